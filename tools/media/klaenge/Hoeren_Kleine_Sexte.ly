% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, minor sixth e' c'': first one after the other, then together (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 e'2\mf c''2 <e' c''>1 }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
