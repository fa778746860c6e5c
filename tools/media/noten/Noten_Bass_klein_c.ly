% SPDX-License-Identifier: CC-BY-SA-4.0
% kleines c im Bassschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s8 c1 s4
  }
  \layout { }
}
