% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: flute, clarinet and bassoon in three voices (own)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "flute" } { \time 4/4 \key c \major \clef treble \relative c''' { g4 e f d c2 e4 d c b c2 r2 } }
  \new Staff \with { midiInstrument = "clarinet" } { \time 4/4 \key c \major \clef treble \relative c'' { e4 c d b a2 c4 b a g g2 r2 } }
  \new Staff \with { midiInstrument = "bassoon" } { \time 4/4 \key c \major \clef bass \relative c { c4 c b g a2 f4 g a g c2 r2 } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
