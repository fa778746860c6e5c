% SPDX-License-Identifier: CC-BY-SA-4.0
% trumpet, horn, trombone and tuba in four voices (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "trumpet" } { \time 4/4 \key c \major \clef treble \relative c'' { g4 a h c d2 c4 h c1 } }
  \new Staff \with { midiInstrument = "french horn" } { \time 4/4 \key c \major \clef treble \relative c'' { e4 f g g g2 a4 g e1 } }
  \new Staff \with { midiInstrument = "trombone" } { \time 4/4 \key c \major \clef bass \relative c' { c4 c d e h2 e4 d c1 } }
  \new Staff \with { midiInstrument = "tuba" } { \time 4/4 \key c \major \clef bass \relative c { c4 f g c, g'2 f4 g c,1 } }
  >>
  \midi { \tempo 4 = 76 \context { \Score midiChannelMapping = #'instrument } }
}
