% SPDX-License-Identifier: CC-BY-SA-4.0
% großes C im Bassschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s8 c,1 s4
  }
  \layout { }
}
