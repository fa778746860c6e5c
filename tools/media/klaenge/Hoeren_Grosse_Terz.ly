% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, major third c' e': first one after the other, then together (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 c'2\mf e'2 <c' e'>1 }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
