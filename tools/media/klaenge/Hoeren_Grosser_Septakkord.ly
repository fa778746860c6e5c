% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, major seventh chord f a c' e': together, then broken (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 <f a c' e'>1\mf f4 a4 c'4 e'4 r4 }
  >>
  \midi { \tempo 4 = 84 \context { \Score midiChannelMapping = #'instrument } }
}
