% SPDX-License-Identifier: CC-BY-SA-4.0
% triangle rhythm (own)
\include "../noten/stil.ily"
\score {
  <<
  \new DrumStaff { \drummode { trio4 trio trio8 trio trio4 trim8 trio trim trio trio2 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
