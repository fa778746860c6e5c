% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, fourth c' f': first one after the other, then together (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 c'2\mf f'2 <c' f'>1 }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
