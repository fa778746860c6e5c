% SPDX-License-Identifier: CC-BY-SA-4.0
% trumpet fanfare (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "trumpet" } { \time 4/4 \key c \major \clef treble \relative c'' { g8. g16 g8. g16 c4 e8. e16 g2 e8. c16 e8. g16 c2 r4 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
