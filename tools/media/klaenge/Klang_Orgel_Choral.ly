% SPDX-License-Identifier: CC-BY-SA-4.0
% church organ plays a short chorale-like passage of our own
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 \key c \major \clef treble \relative c'' { <e c g>4 <e c g> <f c a> <f d a> <e c g>2 <d h g> <c g e>4 <d h g> <e c g> <f c a> <e c g>2 <d h g> } }
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 \key c \major \clef bass \relative c { c4 c f d c2 g c4 g c f, c'2 g } }
  >>
  \midi { \tempo 4 = 76 \context { \Score midiChannelMapping = #'instrument } }
}
