% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: oboe gives the tuning a, the strings join (own)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "oboe" } { \time 4/4 \key c \major \clef treble a'1 a'1 a'2 r2 }
  \new Staff \with { midiInstrument = "string ensemble 1" } { \time 4/4 \key c \major \clef treble r1 <a a'>1 <a a'>2 r2 }
  >>
  \midi { \tempo 4 = 60 \context { \Score midiChannelMapping = #'instrument } }
}
