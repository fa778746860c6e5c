% SPDX-License-Identifier: CC-BY-SA-4.0
% piano g', then violin g', then both together: a prime (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 g'2\mf r2 g'1 }
  \new Staff \with { midiInstrument = "violin" } { \time 4/4 r2 g'2\mf g'1 }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
