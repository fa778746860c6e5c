% SPDX-License-Identifier: CC-BY-SA-4.0
% piano: a small step c'-d', then a big leap c'-c'' (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \relative c' { c2 d r1 c2 c'2 r1 } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
