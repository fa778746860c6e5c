% SPDX-License-Identifier: CC-BY-SA-4.0
% a drum strikes five even beats (own)
\include "../noten/stil.ily"
\score {
  <<
  \new DrumStaff { \drummode { \time 4/4 tomfl4 tomfl tomfl tomfl | tomfl r r2 } }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
