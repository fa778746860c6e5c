% SPDX-License-Identifier: CC-BY-SA-4.0
% The French song »Ah, vous dirai-je, Maman« (traditional), piano.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef treble \time 2/4
      c'4 c' | g' g' | a' a' | g'2 | f'4 f' | e' e' | d' d' | c'2
    }
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef bass \time 2/4
      c4 c' | e c' | f c' | e c' | d h, | c a, | f, g, | c2
    }
  >>
  \midi { \tempo 4 = 120 }
}
