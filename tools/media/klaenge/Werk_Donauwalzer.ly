% SPDX-License-Identifier: CC-BY-SA-4.0
% The first waltz of »An der schönen blauen Donau«: strings with the waltz bass.
% Our own arrangement; J. Strauss (son, d. 1899).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "string ensemble 1" } {
      \clef treble \time 3/4
      d'2. | d'4 fis' a' | a'2. | r4 a''4 a'' | r4 fis''4 fis'' | d'2.
    }
    \new Staff \with { midiInstrument = "pizzicato strings" } {
      \clef bass \time 3/4
      d4 <fis a> <fis a> | d4 <fis a> <fis a> | d4 <fis a> <fis a> | d4 <fis a> <fis a> | d4 <fis a> <fis a> | d2.
    }
  >>
  \midi { \tempo 4 = 160 }
}
