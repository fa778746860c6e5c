% SPDX-License-Identifier: CC-BY-SA-4.0
% Angabe morendo
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    g'2_\markup \italic "morendo" f'4 e' | d'2 c'2\fermata
  }
  \layout { }
}
