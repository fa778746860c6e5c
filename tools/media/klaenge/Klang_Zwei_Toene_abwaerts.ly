% SPDX-License-Identifier: CC-BY-SA-4.0
% piano: g' and then the lower c' (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \relative c'' { g2 c,2 ~ c1 } }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
