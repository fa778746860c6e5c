% SPDX-License-Identifier: CC-BY-SA-4.0
% c-Moll-Dreiklang, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 \once \override TextScript.self-alignment-X = #CENTER \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) <c' es' g'>1_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #1 \bold "c-Moll" s2
  }
  \layout { }
}
