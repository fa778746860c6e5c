% SPDX-License-Identifier: CC-BY-SA-4.0
% vier Takte mit Wiederholung der Takte 2 und 3
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c''4^\markup \bold "1" d'' e'' f'' | \repeat volta 2 { g''2^\markup \bold "2" e'' | \break f''4^\markup \bold "3" d'' h'2 } c''1^\markup \bold "4" \bar "|."
  }
  \layout { }
}
