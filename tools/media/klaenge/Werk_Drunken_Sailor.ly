% SPDX-License-Identifier: CC-BY-SA-4.0
% »What Shall We Do with the Drunken Sailor« (sea shanty, traditional), fiddle.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "fiddle" } {
      \clef treble \time 4/4
      a'4 a'8 a' a'4 a'8 a' | a'4 d' f' a' | g'4 g'8 g' g'4 g'8 g' | g'4 c' e' g' | a'4 a'8 a' a'4 a'8 a' | a'4 h' c'' d'' | c''4 a' g' e' | d'2 d'2
    }
    \new Staff \with { midiInstrument = "cello" } {
      \clef bass \time 4/4
      d2 a,2 | d2 a,2 | c2 g,2 | c2 g,2 | d2 a,2 | d2 a,2 | c2 a,2 | d2 d,2
    }
  >>
  \midi { \tempo 4 = 144 }
}
