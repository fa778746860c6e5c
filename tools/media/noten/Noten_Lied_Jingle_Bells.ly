% SPDX-License-Identifier: CC-BY-SA-4.0
% Refrain von »Jingle Bells« (J. Pierpont, gest. 1893), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    e'4 e' e'2 | e'4 e' e'2 | \break e'4 g' c'4. d'8 | e'1
  }
  \layout { }
  \midi { \tempo 4 = 120 }
}
