% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall f-a im Bassschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s4 <f a>1 s2
  }
  \layout { }
}
