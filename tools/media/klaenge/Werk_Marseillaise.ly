% SPDX-License-Identifier: CC-BY-SA-4.0
% The beginning of »La Marseillaise«: trumpet with brass bass.
% Our own arrangement; C. J. Rouget de Lisle (d. 1836).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "trumpet" } {
      \clef treble \time 4/4
      \partial 4 d'8. d'16 | g'4 g' a' a' | d''4. h'8 g'8. g'16 h'8. g'16 | e'4 c''2 a'8. fis'16 | g'2 r2
    }
    \new Staff \with { midiInstrument = "trombone" } {
      \clef bass \time 4/4
      \partial 4 r4 | g,2 d2 | g,2 g,2 | c2 d2 | g,2 r2
    }
  >>
  \midi { \tempo 4 = 100 }
}
