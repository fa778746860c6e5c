% SPDX-License-Identifier: CC-BY-SA-4.0
% D-Dur-Dreiklang mit Fis unten, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 \once \override TextScript.self-alignment-X = #CENTER \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) <fis' a' d''>1_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #1 \bold "D-Dur" s2
  }
  \layout { }
}
