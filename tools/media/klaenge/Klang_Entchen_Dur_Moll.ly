% SPDX-License-Identifier: CC-BY-SA-4.0
% the folk song "Alle meine Entchen" in major, then in minor (own arrangement)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \relative c' { c4 d e f g2 g a4 a a a g1 r2 c,4 d es f g2 g as4 as as as g1 } }
  >>
  \midi { \tempo 4 = 144 \context { \Score midiChannelMapping = #'instrument } }
}
