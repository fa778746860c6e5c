% SPDX-License-Identifier: CC-BY-SA-4.0
% harmonica plays »Oh! Susanna« (S. Foster, d. 1864)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "harmonica" } { \time 4/4 \key c \major \clef treble \relative c' { c8 d e4 g g a g e c d8 e e d c d4 r } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
