% SPDX-License-Identifier: CC-BY-SA-4.0
% Viertelpause
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 r4 s2
  }
  \layout { }
}
