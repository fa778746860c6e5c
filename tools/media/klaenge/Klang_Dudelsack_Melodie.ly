% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: bagpipe plays »Amazing Grace« (traditional)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "bagpipe" } { \time 3/4 \key g \major \clef treble \time 3/4 \relative c'' { \partial 4 d,4 g2 b8 g b2 a4 g2 e4 d2 d4 g2 b8 g b2 a4 d2. } }
  \new Staff \with { midiInstrument = "bagpipe" } { \time 3/4 \key g \major \clef bass \time 3/4 \relative c { \partial 4 g4~ g2.~ g2.~ g2.~ g2.~ g2.~ g2.~ g2. } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
