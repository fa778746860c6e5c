% SPDX-License-Identifier: CC-BY-SA-4.0
% Angabe dolce
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    e''4_\markup \italic "dolce" d''8 c'' d''4 e'' | c''1
  }
  \layout { }
}
