% SPDX-License-Identifier: CC-BY-SA-4.0
% großes G im Bassschlüssel, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s4^\markup \transparent "." \once \override TextScript.self-alignment-X = #CENTER \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) g,1_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "G" s2
  }
  \layout { }
}
