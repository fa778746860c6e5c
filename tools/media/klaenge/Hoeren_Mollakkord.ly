% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, C minor triad c' es' g': broken, then together (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 c'4\mf es' g' r <c' es' g'>1 }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
