% SPDX-License-Identifier: CC-BY-SA-4.0
% »Old MacDonald Had a Farm« (traditional), fiddle.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "fiddle" } {
      \clef treble \time 4/4
      g'4 g' g' d' | e' e' d'2 | h'4 h' a' a' | g'1
    }
    \new Staff \with { midiInstrument = "acoustic guitar (steel)" } {
      \clef bass \time 4/4
      g,4 <h d'> c <c' e'> | c <c' e'> g, <h d'> | g, <h d'> d <a c'> | g,1
    }
  >>
  \midi { \tempo 4 = 120 }
}
