% SPDX-License-Identifier: CC-BY-SA-4.0
% Vorzeichen von es-Moll, Lösung mit Tonleiter
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key es \minor \omit Staff.TimeSignature \cadenzaOn
    es'4^\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "es-Moll" f' ges' as' \bar "" \break b' ces'' des'' es'' s8
  }
  \layout { }
}
