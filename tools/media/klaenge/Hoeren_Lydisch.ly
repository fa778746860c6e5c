% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, F Lydian f' g' a' h' c'' d'' e'' f'' up, the tonic held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 f'4\mf g' a' h' | c'' d'' e'' f''~ | f''1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
