% SPDX-License-Identifier: CC-BY-SA-4.0
% glockenspiel plays »Morgen kommt der Weihnachtsmann« (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "glockenspiel" } { \time 4/4 \key c \major \clef treble \relative c'' { c4 c g' g a a g2 f4 f e e d d c2 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
