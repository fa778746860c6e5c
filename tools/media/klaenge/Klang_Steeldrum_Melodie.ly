% SPDX-License-Identifier: CC-BY-SA-4.0
% steel drums play »Brown Girl in the Ring« (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "steel drums" } { \time 4/4 \key c \major \clef treble \relative c'' { c4 c8 c c4 a c c8 c c4 a d d8 d d4 c h g a h c2 } }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
