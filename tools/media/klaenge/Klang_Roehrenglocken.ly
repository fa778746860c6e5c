% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: tubular bells play the Westminster quarters (traditional)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "tubular bells" } { \time 4/4 \key c \major \clef treble \relative c'' { e4 d c g2 c4 e d g,2 g4 d' e c2 r2 } }
  >>
  \midi { \tempo 4 = 84 \context { \Score midiChannelMapping = #'instrument } }
}
