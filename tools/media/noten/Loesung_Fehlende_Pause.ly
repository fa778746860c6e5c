% SPDX-License-Identifier: CC-BY-SA-4.0
% 4/4-Takt mit punktierter Viertelpause, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    g'2 a'8 \once \override Rest.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) r4._\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #1 \bold \column { "punktierte" "Viertelpause" } \bar "|"
  }
  \layout { }
}
