% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, C major pentatonic c' d' e' g' a' c'' up, the tonic held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 c'4\mf d' e' g' | a' c''2.~ | c''1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
