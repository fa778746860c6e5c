% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang der 5. Sinfonie (L. van Beethoven, gest. 1827), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \minor \time 2/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    r8 g'[ g' g'] | es'2\fermata | \break r8 f'[ f' f'] | d'2~ | d'2\fermata
  }
  \layout { }
}
