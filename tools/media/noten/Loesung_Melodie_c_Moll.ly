% SPDX-License-Identifier: CC-BY-SA-4.0
% kurze Melodie in c-Moll, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \minor \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c''4 es'' g'' f'' | \break es''4 d'' \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) c''2_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "c-Moll"
  }
  \layout { }
}
