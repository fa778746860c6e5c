% SPDX-License-Identifier: CC-BY-SA-4.0
% piano plays »Alle meine Entchen« with a simple bass (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \key c \major \clef treble \relative c' { c8 d e f g4 g a8 a a a g2 a8 a a a g2 f8 f f f e4 e d8 d d d c2 } }
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \key c \major \clef bass \relative c { c2 c f c f c f4 c g' g c,2 } }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
