% SPDX-License-Identifier: CC-BY-SA-4.0
% »O Tannenbaum« (traditional), piano.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef treble \time 3/4
      \partial 4 d'4 | g'8. g'16 g'4. a'8 | h'8. h'16 h'4. h'8 | a'8 h' c''4 fis' | a'4 g'2
    }
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef bass \time 3/4
      \partial 4 r4 | g,4 <h d'> <h d'> | g,4 <h d'> <h d'> | d4 <a c'> <a c'> | d4 <h, g>2
    }
  >>
  \midi { \tempo 4 = 100 }
}
