% SPDX-License-Identifier: CC-BY-SA-4.0
% bassoon plays the opening of »In der Halle des Bergkönigs« (E. Grieg, d. 1907)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "bassoon" } { \time 4/4 \key h \minor \clef bass \relative c { h8 cis d e fis d fis4 eis8 cis eis4 e8 c e4 h8 cis d e fis d fis h a fis d fis a2 } }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
