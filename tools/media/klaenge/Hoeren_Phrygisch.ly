% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, E Phrygian e' f' g' a' h' c'' d'' e'' up, the tonic held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 e'4\mf f' g' a' | h' c'' d'' e''~ | e''1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
