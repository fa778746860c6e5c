% SPDX-License-Identifier: CC-BY-SA-4.0
% kleines e im Bassschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s4 e1 s2
  }
  \layout { }
}
