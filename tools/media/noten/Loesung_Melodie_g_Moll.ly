% SPDX-License-Identifier: CC-BY-SA-4.0
% kurze Melodie in g-Moll, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key g \minor \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    g'4 b' d'' c'' | \break b'4 a' \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) g'2_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "g-Moll"
  }
  \layout { }
}
