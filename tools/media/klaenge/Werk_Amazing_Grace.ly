% SPDX-License-Identifier: CC-BY-SA-4.0
% »Amazing Grace« (tune »New Britain«, traditional), church organ.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "church organ" } {
      \clef treble \time 3/4
      \partial 4 d'4 | g'2 h'8 g' | h'2 a'4 | g'2 e'4 | d'2 d'4 | g'2 h'8 g' | h'2 a'4 | d''2
    }
    \new Staff \with { midiInstrument = "church organ" } {
      \clef bass \time 3/4
      \partial 4 r4 | <g, d>2. | <g, d>2. | <c g>2. | <g, d>2. | <g, d>2. | <g, d>2. | <d a>2
    }
  >>
  \midi { \tempo 4 = 96 }
}
