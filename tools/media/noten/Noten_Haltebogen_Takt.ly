% SPDX-License-Identifier: CC-BY-SA-4.0
% Haltebogen über den Taktstrich
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c''2. g'4~ | g'2 e'2
  }
  \layout { }
}
