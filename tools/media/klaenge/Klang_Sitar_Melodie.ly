% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: sitar plays a slow melody over a drone (own)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "sitar" } { \time 4/4 \key c \major \clef treble \relative c' { e8 f gis a b4 c8 b a gis f e f gis a2 gis8 f e1 } }
  \new Staff \with { midiInstrument = "sitar" } { \time 4/4 \key c \major \clef bass \relative c { <e b'>1~ <e b'>1~ <e b'>1~ <e b'>1 } }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
