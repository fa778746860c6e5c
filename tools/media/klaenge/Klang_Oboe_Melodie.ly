% SPDX-License-Identifier: CC-BY-SA-4.0
% oboe plays »Bruder Jakob« slowly (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "oboe" } { \time 4/4 \key c \major \clef treble \relative c'' { c4 d e c c d e c e f g2 e4 f g2 \bar "|." } }
  >>
  \midi { \tempo 4 = 84 \context { \Score midiChannelMapping = #'instrument } }
}
