% SPDX-License-Identifier: CC-BY-SA-4.0
% flute, clarinet and bassoon in three voices (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "flute" } { \time 4/4 \key c \major \clef treble \relative c''' { g4 e f d c2 e4 d c h c2 r2 } }
  \new Staff \with { midiInstrument = "clarinet" } { \time 4/4 \key c \major \clef treble \relative c'' { e4 c d h a2 c4 h a g g2 r2 } }
  \new Staff \with { midiInstrument = "bassoon" } { \time 4/4 \key c \major \clef bass \relative c { c4 c h g a2 f4 g a g c2 r2 } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
