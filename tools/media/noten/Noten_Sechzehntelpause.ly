% SPDX-License-Identifier: CC-BY-SA-4.0
% Sechzehntelpause
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 r16 s4
  }
  \layout { }
}
