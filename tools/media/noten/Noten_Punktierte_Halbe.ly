% SPDX-License-Identifier: CC-BY-SA-4.0
% punktierte halbe Note
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 g'2. s2
  }
  \layout { }
}
