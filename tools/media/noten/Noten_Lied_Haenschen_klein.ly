% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang von »Hänschen klein« (Volkslied), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 2/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    g'8 e' e'4 | f'8 d' d'4 | \break c'8 d' e' f' | g' g' g'4
  }
  \layout { }
  \midi { \tempo 4 = 100 }
}
