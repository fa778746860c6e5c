% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, a melody played short and detached (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 c''8\mf r d'' r e'' r c'' r | g'' r g'' r g'' r r4 | f''8 r e'' r d'' r e'' r | c''8 r r4 r2 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
