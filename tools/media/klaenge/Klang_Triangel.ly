% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: triangle rhythm (own)
\version "2.24.0"

\score {
  <<
  \new DrumStaff { \drummode { trio4 trio trio8 trio trio4 trim8 trio trim trio trio2 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
