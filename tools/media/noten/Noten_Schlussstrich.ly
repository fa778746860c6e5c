% SPDX-License-Identifier: CC-BY-SA-4.0
% zwei Takte mit Schlussstrich
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c''4 e'' d'' h' | c''1 \bar "|."
  }
  \layout { }
}
