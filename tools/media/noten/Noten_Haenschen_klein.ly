% SPDX-License-Identifier: CC-BY-SA-4.0
% "Hänschen klein" (traditional), the first four bars, with its clip.
\include "stil.ily"
\score {
  \new Staff \with { midiInstrument = "acoustic grand" } {
    \clef treble \time 4/4
    g'4 e' e'2 | f'4 d' d'2 | c'4 d' e' f' | g' g' g'2 \bar "|."
  }
  \layout { }
  \midi { \tempo 4 = 120 }
}
