% SPDX-License-Identifier: CC-BY-SA-4.0
% c-Moll-Dreiklang
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 <c' es' g'>1 s2
  }
  \layout { }
}
