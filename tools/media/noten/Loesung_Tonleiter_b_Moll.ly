% SPDX-License-Identifier: CC-BY-SA-4.0
% Vorzeichen von b-Moll, Lösung mit Tonleiter
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key b \minor \omit Staff.TimeSignature \cadenzaOn
    b4^\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "b-Moll" c' des' es' \bar "" \break f' ges' as' b' s8
  }
  \layout { }
}
