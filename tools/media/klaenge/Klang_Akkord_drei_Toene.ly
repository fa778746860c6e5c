% SPDX-License-Identifier: CC-BY-SA-4.0
% piano: c', e', g' one after the other, then together (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \relative c' { c2 e g1 <c, e g>1 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
