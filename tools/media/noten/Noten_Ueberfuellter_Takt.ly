% SPDX-License-Identifier: CC-BY-SA-4.0
% vier Takte, einer zu voll
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 3/4 \cadenzaOn
    c'4^\markup \bold "1" e' g' \bar "|" a'2^\markup \bold "2" f'4 \bar "|" \break g'2.^\markup \bold "3" f'4 \bar "|" e'4^\markup \bold "4" d' c' \bar "|."
  }
  \layout { }
}
