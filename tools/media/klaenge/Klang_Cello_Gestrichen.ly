% SPDX-License-Identifier: CC-BY-SA-4.0
% cello bowed: slow long notes (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "cello" } { \time 4/4 \key c \major \clef bass \relative c { g2 c e d c1 g'1 } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
