% SPDX-License-Identifier: CC-BY-SA-4.0
% drei Takte, Wiederholungszeichen nach Takt 2
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \repeat volta 2 { e''4^\markup \bold "1" d'' c''2 | d''4^\markup \bold "2" e'' d''2 } c''1^\markup \bold "3" \bar "|."
  }
  \layout { }
}
