% SPDX-License-Identifier: CC-BY-SA-4.0
% großes G im Bassschlüssel (der unsichtbare Punkt legt den Ausschnitt so, dass die oberste Linie scharf bleibt)
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \omit Staff.TimeSignature \cadenzaOn
    s4^\markup \transparent "." g,1 s2
  }
  \layout { }
}
