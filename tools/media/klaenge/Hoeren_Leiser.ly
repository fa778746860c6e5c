% SPDX-License-Identifier: CC-BY-SA-4.0
% strings, repeated chords from very loud to very soft (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "string ensemble 1" } { \time 4/4 <c' e' g'>4\fff\> q q q | <c' f' a'> q q q | <h d' g'> q q q | <c' e' g'>1\ppp }
  >>
  \midi { \tempo 4 = 132 \context { \Score midiChannelMapping = #'instrument } }
}
