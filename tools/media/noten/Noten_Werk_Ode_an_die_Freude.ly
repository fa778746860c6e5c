% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang der »Ode an die Freude« (L. van Beethoven, gest. 1827), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    e'4 e' f' g' | g' f' e' d' | \break c' c' d' e' | e'4. d'8 d'2
  }
  \layout { }
  \midi { \tempo 4 = 110 }
}
