% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall f-a im Bassschlüssel, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s4 \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) <f a>1_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #1 \bold \column { "große" "Terz" } s2
  }
  \layout { }
}
