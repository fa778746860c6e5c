% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: church organ plays »Nun danket alle Gott« (J. Crüger, d. 1662)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 \key c \major \clef treble \relative c'' { <e c g>4 <e c g> <f c a> <f d a> <e c g>2 <d b g> <c g e>4 <d b g> <e c g> <f c a> <e c g>2 <d b g> } }
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 \key c \major \clef bass \relative c { c4 c f d c2 g c4 g c f, c'2 g } }
  >>
  \midi { \tempo 4 = 76 \context { \Score midiChannelMapping = #'instrument } }
}
