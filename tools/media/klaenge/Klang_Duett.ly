% SPDX-License-Identifier: CC-BY-SA-4.0
% two voices sing an own melody: one after the other, then together; the second
% an octave lower, so that the ear tells a high and a low singer apart
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "voice oohs" } { \time 4/4 \key c \major \clef treble
    e''4 d'' c''2 | r1 | e''4 f'' g''2 | f''4 d'' e''2 }
  \new Staff \with { midiInstrument = "voice oohs" } { \time 4/4 \key c \major \clef "treble_8"
    r1 | c'4 h a2 | c'4 d' e'2 | d'4 h c'2 }
  >>
  \midi { \tempo 4 = 84 }
}
