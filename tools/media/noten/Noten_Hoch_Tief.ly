% SPDX-License-Identifier: CC-BY-SA-4.0
% zwei Noten, eine hoch und eine tief
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 g''1^\markup \bold "1" s4 d'1^\markup \bold "2" s8
  }
  \layout { }
}
