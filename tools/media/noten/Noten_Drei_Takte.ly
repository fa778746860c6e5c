% SPDX-License-Identifier: CC-BY-SA-4.0
% drei Takte im 4/4-Takt
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4
    c'4 d' e' f' | g'2 g' | a'4 a' g'2 \bar "|."
  }
  \layout { }
}
