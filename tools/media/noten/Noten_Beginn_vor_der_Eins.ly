% SPDX-License-Identifier: CC-BY-SA-4.0
% Melodie im 3/4-Takt, die vor der Eins beginnt
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 3/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \partial 4 g'4 | c''2 e''4 | d''2.
  }
  \layout { }
}
