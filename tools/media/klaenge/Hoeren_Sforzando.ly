% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, soft chords with one sudden very loud accent in the middle (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 <c' e' g'>4\pp q q q | <c' f' a'> q <c' f' a'>4\sfz-> <c' f' a'>4\pp | <h d' g'> q q q | <c' e' g'>2 }
  >>
  \midi { \tempo 4 = 116 \context { \Score midiChannelMapping = #'instrument } }
}
