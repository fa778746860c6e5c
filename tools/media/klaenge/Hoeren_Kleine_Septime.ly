% SPDX-License-Identifier: CC-BY-SA-4.0
% organ, minor seventh d' c'': first one after the other, then together (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 d'2\mf c''2 <d' c''>1 }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
