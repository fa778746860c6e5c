% SPDX-License-Identifier: CC-BY-SA-4.0
% großes H im Bassschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s4 h,1 s2
  }
  \layout { }
}
