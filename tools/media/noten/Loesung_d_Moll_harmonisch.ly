% SPDX-License-Identifier: CC-BY-SA-4.0
% harmonische d-Moll-Tonleiter, Lösung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    d'4^\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #1 \bold \column { "d-Moll" "harmonisch" } e' f' g' \bar "" \break a' \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) b' \once \override NoteHead.color = #(rgb-color 0.8 0.05 0.05) \once \override Accidental.color = #(rgb-color 0.8 0.05 0.05) \once \override Stem.color = #(rgb-color 0.8 0.05 0.05) \once \override Dots.color = #(rgb-color 0.8 0.05 0.05) cis'' d'' s8
  }
  \layout { }
}
