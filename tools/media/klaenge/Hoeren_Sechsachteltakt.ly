% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, four bars of 6/8: loud low bass on one, a lighter bass on four, soft eighths between (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 6/8 <c, e' g'>8\fff <e' g'>\pp <e' g'> <c, e' g'>8\mf <e' g'>\pp <e' g'> | <g,, f' h'>8\fff <f' h'>\pp <f' h'> <g, f' h'>8\mf <f' h'>\pp <f' h'> | <g,, f' h'>8\fff <f' h'>\pp <f' h'> <g, f' h'>8\mf <f' h'>\pp <f' h'> | <c, e' g'>8\fff <e' g'>\pp <e' g'> <c, e' g'>8\mf <e' g'>\pp <e' g'> | <c, c e' g'>4.\fff }
  >>
  \midi { \tempo 4. = 72 \context { \Score midiChannelMapping = #'instrument } }
}
