% SPDX-License-Identifier: CC-BY-SA-4.0
% pan flute plays »Scarborough Fair« (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "pan flute" } { \time 3/4 \key d \minor \clef treble \time 3/4 \relative c'' { d2 d4 a'2 a4 e4. f8 e4 d2. r4 a'4 c d2 c4 a h g a2. } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
