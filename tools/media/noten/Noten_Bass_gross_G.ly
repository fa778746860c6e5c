% SPDX-License-Identifier: CC-BY-SA-4.0
% großes G im Bassschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s4 g,1 s2
  }
  \layout { }
}
