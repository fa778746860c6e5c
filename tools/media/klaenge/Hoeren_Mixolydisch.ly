% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, G Mixolydian g' a' h' c'' d'' e'' f'' g'' up, the tonic held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 g'4\mf a' h' c'' | d'' e'' f'' g''~ | g''1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
