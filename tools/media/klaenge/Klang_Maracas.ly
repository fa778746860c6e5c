% SPDX-License-Identifier: CC-BY-SA-4.0
% maracas rhythm (own)
\include "../noten/stil.ily"
\score {
  <<
  \new DrumStaff { \drummode { mar8 mar16 mar mar8 mar mar8 mar16 mar mar8 mar mar8 mar16 mar mar8 mar mar4 r } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
