% SPDX-License-Identifier: CC-BY-SA-4.0
% woodblock plays the second rhythm of Noten_Rhythmen_Auswahl twice (own)
\include "../noten/stil.ily"
\score {
  <<
  \new DrumStaff { \drummode { \time 4/4 wbh2 wbh8 wbh wbh4 | wbh2 wbh8 wbh wbh4 } }
  >>
  \midi { \tempo 4 = 96 \context { \Score midiChannelMapping = #'instrument } }
}
