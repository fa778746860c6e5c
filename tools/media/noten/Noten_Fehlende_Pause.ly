% SPDX-License-Identifier: CC-BY-SA-4.0
% 4/4-Takt, am Ende fehlt eine Pause
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    g'2 a'8 s4. \bar "|"
  }
  \layout { }
}
