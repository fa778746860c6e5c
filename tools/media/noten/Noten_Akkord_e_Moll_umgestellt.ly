% SPDX-License-Identifier: CC-BY-SA-4.0
% e-Moll-Dreiklang mit H unten
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 <h e' g'>1 s2
  }
  \layout { }
}
