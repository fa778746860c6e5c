% SPDX-License-Identifier: CC-BY-SA-4.0
% Atemzeichen
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c''4 d'' e''2 \breathe e''4 d'' c''2
  }
  \layout { }
}
