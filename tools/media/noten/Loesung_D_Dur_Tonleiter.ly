% SPDX-License-Identifier: CC-BY-SA-4.0
% D-Dur-Tonleiter, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    d'4^\markup \bold "1" e'^\markup \bold "2" \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) fis'^\markup \bold "3"_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "Fis" g'^\markup \bold "4" \bar "" \break a'^\markup \bold "5" h'^\markup \bold "6" cis''^\markup \bold "7" d''^\markup \bold "8" s8
  }
  \layout { }
}
