% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: steel drums play »Brown Girl in the Ring« (traditional)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "steel drums" } { \time 4/4 \key c \major \clef treble \relative c'' { c4 c8 c c4 a c c8 c c4 a d d8 d d4 c b g a b c2 } }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
