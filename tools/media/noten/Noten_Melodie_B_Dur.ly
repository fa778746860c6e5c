% SPDX-License-Identifier: CC-BY-SA-4.0
% kurze Melodie in B-Dur
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key b \major \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    b'4 d'' f'' es'' | \break c''4 a' b'2 \bar "|."
  }
  \layout { }
}
