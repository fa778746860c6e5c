% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, six bars of 2/4: low loud bass with the chord on one, a soft chord on two (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 2/4 <c, e' g'>4\fff <e' g'>4\pp | <c, e' g'>4\fff <e' g'>4\pp | <g,, f' h'>4\fff <f' h'>4\pp | <g,, f' h'>4\fff <f' h'>4\pp | <g,, f' h'>4\fff <f' h'>4\pp | <c, e' g'>4\fff <e' g'>4\pp | <c, c e' g'>4\fff }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
