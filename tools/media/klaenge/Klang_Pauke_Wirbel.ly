% SPDX-License-Identifier: CC-BY-SA-4.0
% timpani: single strokes, then a roll (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "timpani" } { \time 4/4 \key c \major \clef bass \relative c { g4 c g c g8 g c4 r2 c32 c c c c c c c c c c c c c c c c c c c c c c c c c c c c c c c c1 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
