% SPDX-License-Identifier: CC-BY-SA-4.0
% kleines c im Bassschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s4 c1 s2
  }
  \layout { }
}
