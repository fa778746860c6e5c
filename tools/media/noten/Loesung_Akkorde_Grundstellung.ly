% SPDX-License-Identifier: CC-BY-SA-4.0
% vier Dreiklänge, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 <e' g' c''>1^\markup \bold "1" <g' c'' e''>1^\markup \bold "2" \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) <c' e' g'>1^\markup \bold "3"_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #1 \bold \column { "Grund-" "stellung" } <a d' fis'>1^\markup \bold "4" s4
  }
  \layout { }
}
