% SPDX-License-Identifier: CC-BY-SA-4.0
% kurze Melodie in c-Moll
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \minor \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c''4 es'' g'' f'' | \break es''4 d'' c''2 \bar "|."
  }
  \layout { }
}
