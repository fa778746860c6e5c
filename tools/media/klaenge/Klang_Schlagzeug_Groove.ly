% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: drum kit plays a rock beat (own)
\version "2.24.0"

\score {
  <<
  \new DrumStaff { \drummode { <bd hh>8 hh <sn hh> hh <bd hh> <bd hh> <sn hh> hh <bd hh>8 hh <sn hh> hh <bd hh> <bd hh> <sn hh> hh <bd cymc>2 r2 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
