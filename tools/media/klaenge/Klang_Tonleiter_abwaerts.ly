% SPDX-License-Identifier: CC-BY-SA-4.0
% piano: C major scale from c'' down to c' (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \relative c'' { c4 h a g f e d c1 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
