% SPDX-License-Identifier: CC-BY-SA-4.0
% Vorzeichen von Ces-Dur im Bassschlüssel, Lösung mit Tonleiter
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \key ces \major \omit Staff.TimeSignature \cadenzaOn
    ces4^\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "Ces-Dur" des es fes \bar "" \break ges as b ces' s8
  }
  \layout { }
}
