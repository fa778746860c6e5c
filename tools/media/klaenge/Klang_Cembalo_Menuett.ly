% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: harpsichord plays a minuet in G (C. Petzold, d. 1733)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "harpsichord" } { \time 3/4 \key g \major \clef treble \time 3/4 \relative c'' { d4 g,8 a b c d4 g, g e' c8 d e fis g4 g, g c d8 c b a b4 c8 b a g fis4 } }
  \new Staff \with { midiInstrument = "harpsichord" } { \time 3/4 \key g \major \clef bass \time 3/4 \relative c' { <g b d>2 a4 b2. c2. b2. a2. g2. d'4 b g d'2 d,4 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
