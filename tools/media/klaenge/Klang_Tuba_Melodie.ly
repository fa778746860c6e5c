% SPDX-License-Identifier: CC-BY-SA-4.0
% tuba plays »Hänschen klein« (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "tuba" } { \time 4/4 \key c \major \clef bass \relative c { g4 e e2 f4 d d2 c4 d e f g g g2 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
