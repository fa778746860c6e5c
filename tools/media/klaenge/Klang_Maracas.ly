% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: maracas rhythm (own)
\version "2.24.0"

\score {
  <<
  \new DrumStaff { \drummode { mar8 mar16 mar mar8 mar mar8 mar16 mar mar8 mar mar8 mar16 mar mar8 mar mar4 r } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
