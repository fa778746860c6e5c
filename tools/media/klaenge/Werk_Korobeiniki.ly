% SPDX-License-Identifier: CC-BY-SA-4.0
% »Korobeiniki« (Russian traditional) as a square-wave tune with bass.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "lead 1 (square)" } {
      \clef treble \time 4/4
      e''4 h'8 c'' d''4 c''8 h' | a'4 a'8 c'' e''4 d''8 c'' | h'4. c''8 d''4 e'' | c''4 a' a'2
    }
    \new Staff \with { midiInstrument = "synth bass 1" } {
      \clef bass \time 4/4
      \repeat unfold 4 { e,8 e } \repeat unfold 4 { a,,8 a, } \repeat unfold 4 { gis,,8 gis, } a,,8 a, a,, a, a,,2
    }
  >>
  \midi { \tempo 4 = 140 }
}
