% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: tambourine rhythm (own)
\version "2.24.0"

\score {
  <<
  \new DrumStaff { \drummode { tamb4 tamb8 tamb tamb4 tamb8 tamb tamb16 tamb tamb tamb tamb8 tamb tamb4 r } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
