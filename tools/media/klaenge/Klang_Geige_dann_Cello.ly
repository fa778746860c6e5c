% SPDX-License-Identifier: CC-BY-SA-4.0
% the same tune on violin, then on cello (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "violin" } { \time 4/4 \key c \major \clef treble \relative c'' { g4 e8 f g4 c h a g2 r1 r1 } }
  \new Staff \with { midiInstrument = "cello" } { \time 4/4 \key c \major \clef bass \relative c { r1 r1 g4 e8 f g4 c h a g2 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
