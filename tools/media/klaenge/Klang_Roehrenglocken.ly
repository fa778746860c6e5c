% SPDX-License-Identifier: CC-BY-SA-4.0
% tubular bells play the Westminster quarters (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "tubular bells" } { \time 4/4 \key c \major \clef treble \fixed c'' { e4 c d g,2 g,4 d e c2 e4 d c g,2 } }
  >>
  \midi { \tempo 4 = 84 \context { \Score midiChannelMapping = #'instrument } }
}
