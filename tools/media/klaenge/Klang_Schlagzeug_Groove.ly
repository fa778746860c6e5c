% SPDX-License-Identifier: CC-BY-SA-4.0
% drum kit plays a rock beat (own)
\include "../noten/stil.ily"
\score {
  <<
  \new DrumStaff { \drummode { <bd hh>8 hh <sn hh> hh <bd hh> <bd hh> <sn hh> hh <bd hh>8 hh <sn hh> hh <bd hh> <bd hh> <sn hh> hh <bd cymc>2 r2 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
