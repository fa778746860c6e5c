% SPDX-License-Identifier: CC-BY-SA-4.0
% piano: c' and g' struck together and held, twice (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \relative c' { <c g'>1 r2 <c g'>1 } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
