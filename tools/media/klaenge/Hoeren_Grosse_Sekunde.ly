% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, major second d' e': first one after the other, then together (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 d'2\mf e'2 <d' e'>1 }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
