% SPDX-License-Identifier: CC-BY-SA-4.0
% strings, minor second e' f': first one after the other, then together (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "string ensemble 1" } { \time 4/4 e'2\mf f'2 <e' f'>1 }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
