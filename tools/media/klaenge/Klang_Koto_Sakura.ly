% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: koto plays »Sakura, Sakura« (traditional)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "koto" } { \time 4/4 \key c \major \clef treble \relative c'' { a4 a b2 a4 a b2 a4 b c b a b8 a f2 } }
  >>
  \midi { \tempo 4 = 76 \context { \Score midiChannelMapping = #'instrument } }
}
