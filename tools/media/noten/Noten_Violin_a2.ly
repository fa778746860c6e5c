% SPDX-License-Identifier: CC-BY-SA-4.0
% a'' im Violinschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 a''1 s2
  }
  \layout { }
}
