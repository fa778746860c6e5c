% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, five bars of 3/4: low loud bass with the chord on one, two soft chords (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 3/4 <c, e' g'>4\fff <e' g'>4\pp <e' g'>4 <g,, f' h'>4\fff <f' h'>4\pp <f' h'>4 <g,, f' h'>4\fff <f' h'>4\pp <f' h'>4 <c, e' g'>4\fff <e' g'>4\pp <e' g'>4 <c, e' g'>4\fff <e' g'>4\pp <e' g'>4 <c, c e' g'>4\fff }
  >>
  \midi { \tempo 4 = 144 \context { \Score midiChannelMapping = #'instrument } }
}
