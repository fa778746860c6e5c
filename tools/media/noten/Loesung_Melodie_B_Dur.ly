% SPDX-License-Identifier: CC-BY-SA-4.0
% kurze Melodie in B-Dur, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key b \major \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    b'4 d'' f'' es'' | \break c''4 a' \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) b'2_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "B-Dur"
  }
  \layout { }
}
