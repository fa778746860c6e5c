% SPDX-License-Identifier: CC-BY-SA-4.0
% F-Dur-Tonleiter, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    f'4^\markup \bold "1" g'^\markup \bold "2" a'^\markup \bold "3" \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) b'^\markup \bold "4"_\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "B" \bar "" \break c''^\markup \bold "5" d''^\markup \bold "6" e''^\markup \bold "7" f''^\markup \bold "8" s8
  }
  \layout { }
}
