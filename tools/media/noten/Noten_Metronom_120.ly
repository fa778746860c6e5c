% SPDX-License-Identifier: CC-BY-SA-4.0
% Metronomangabe Viertel = 120
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \tempo 4 = 120 c''4 g' e' g' | c''1
  }
  \layout { }
}
