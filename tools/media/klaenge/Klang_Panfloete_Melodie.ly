% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: pan flute plays »Scarborough Fair« (traditional)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "pan flute" } { \time 3/4 \key d \minor \clef treble \time 3/4 \relative c'' { d2 d4 a'2 a4 e4. f8 e4 d2. r4 a'4 c d2 c4 a b g a2. } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
