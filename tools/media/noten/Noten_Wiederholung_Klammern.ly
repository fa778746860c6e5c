% SPDX-License-Identifier: CC-BY-SA-4.0
% Wiederholung mit zwei Schlussklammern
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \repeat volta 2 { c''4^\markup \bold "1" e'' g''2 | \break f''4^\markup \bold "2" d'' h'2 } \alternative { { c''2^\markup \bold "3" d'' } { c''1^\markup \bold "4" } } \bar "|."
  }
  \layout { }
}
