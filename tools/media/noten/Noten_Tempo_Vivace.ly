% SPDX-License-Identifier: CC-BY-SA-4.0
% Tempoangabe Vivace
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \tempo "Vivace" c''8 e'' g'' e'' c''4 g' | c''1
  }
  \layout { }
}
