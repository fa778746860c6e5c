% SPDX-License-Identifier: CC-BY-SA-4.0
% organ, D Dorian d' e' f' g' a' h' c'' d'' up, the tonic held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 d'4\mf e' f' g' | a' h' c'' d''~ | d''1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
