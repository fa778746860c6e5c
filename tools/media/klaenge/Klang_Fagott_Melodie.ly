% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: bassoon plays the opening of »In der Halle des Bergkönigs« (E. Grieg, d. 1907)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "bassoon" } { \time 4/4 \key b \minor \clef bass \relative c { b8 cis d e fis d fis4 eis8 cis eis4 e8 c e4 b8 cis d e fis d fis b a fis d fis a2 } }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
