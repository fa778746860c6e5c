% SPDX-License-Identifier: CC-BY-SA-4.0
% strings, a very slow melody at 4 = 48 (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "string ensemble 1" } { \time 4/4 e'2\mf f'4 g' | c'2 }
  >>
  \midi { \tempo 4 = 48 \context { \Score midiChannelMapping = #'instrument } }
}
