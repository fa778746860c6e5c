% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: piccolo plays »Yankee Doodle« (traditional)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "piccolo" } { \time 4/4 \key c \major \clef treble \relative c''' { c8 c d e c e d g, c c d e c4 b c8 c d e f e d c b g a b c4 c } }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
