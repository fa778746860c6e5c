% SPDX-License-Identifier: CC-BY-SA-4.0
% vier Takte, einer zu voll; Notenzahl und Punkte verraten nicht, welcher
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 3/4 \cadenzaOn
    c'4.^\markup \bold "1" d'8 e'4 \bar "|" a'2^\markup \bold "2" f'4 \bar "|" \break g'2.^\markup \bold "3" f'4 \bar "|" d'4^\markup \bold "4" c'2 \bar "|."
  }
  \layout { }
}
