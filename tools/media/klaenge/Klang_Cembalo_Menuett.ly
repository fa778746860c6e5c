% SPDX-License-Identifier: CC-BY-SA-4.0
% harpsichord plays a minuet in G (C. Petzold, d. 1733)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "harpsichord" } { \time 3/4 \key g \major \clef treble \time 3/4 \relative c'' { d4 g,8 a h c d4 g, g e' c8 d e fis g4 g, g c d8 c h a h4 c8 h a g fis4 g8 a h g a2. } }
  \new Staff \with { midiInstrument = "harpsichord" } { \time 3/4 \key g \major \clef bass \time 3/4 \relative c' { <g h d>2 a4 h2. c2. h2. a2. g2. d'4 h g d'2 d,4 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
