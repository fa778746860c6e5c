% SPDX-License-Identifier: CC-BY-SA-4.0
% kurze Melodie in g-Moll
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key g \minor \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    g'4 b' d'' c'' | \break b'4 a' g'2 \bar "|."
  }
  \layout { }
}
