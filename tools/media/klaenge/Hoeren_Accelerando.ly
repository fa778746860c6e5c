% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, the same chord pattern six times, each time faster (60 to 160 beats a minute) (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \tempo 4 = 60 c'4\mf <e' g'>4 \tempo 4 = 76 c'4 <e' g'>4 \tempo 4 = 94 c'4 <e' g'>4 \tempo 4 = 114 c'4 <e' g'>4 \tempo 4 = 136 c'4 <e' g'>4 \tempo 4 = 160 c'4 <e' g'>4 \tempo 4 = 160 <c' e' g'>4 }
  >>
  \midi { \tempo 4 = 60 \context { \Score midiChannelMapping = #'instrument } }
}
