% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall h-f', Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) \once \override TextScript.outside-staff-padding = #1.2 h1_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #1 \bold \column { "verminderte" "Quinte" } \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) f'1 s4
  }
  \layout { }
}
