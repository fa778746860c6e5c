% SPDX-License-Identifier: CC-BY-SA-4.0
% piccolo plays »Yankee Doodle« (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "piccolo" } { \time 4/4 \key c \major \clef treble \relative c''' { c8 c d e c e d g, c c d e c4 h c8 c d e f e d c h g a h c4 c } }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
