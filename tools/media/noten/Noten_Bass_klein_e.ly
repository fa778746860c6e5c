% SPDX-License-Identifier: CC-BY-SA-4.0
% kleines e im Bassschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s8 e1 s4
  }
  \layout { }
}
