% SPDX-License-Identifier: CC-BY-SA-4.0
% Tempoangabe Grave
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \tempo "Grave" c'2. es'4 | g'1
  }
  \layout { }
}
