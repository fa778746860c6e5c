% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, four bars of 5/4: low loud bass with the chord on one, soft chords on two to five (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 5/4 <c, e' g'>4\fff <e' g'>4\pp <e' g'>4\pp <e' g'>4\pp <e' g'>4\pp | <g,, f' h'>4\fff <f' h'>4\pp <f' h'>4\pp <f' h'>4\pp <f' h'>4\pp | <g,, f' h'>4\fff <f' h'>4\pp <f' h'>4\pp <f' h'>4\pp <f' h'>4\pp | <c, e' g'>4\fff <e' g'>4\pp <e' g'>4\pp <e' g'>4\pp <e' g'>4\pp | <c, c e' g'>4\fff }
  >>
  \midi { \tempo 4 = 172 \context { \Score midiChannelMapping = #'instrument } }
}
