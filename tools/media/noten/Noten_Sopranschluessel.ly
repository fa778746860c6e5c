% SPDX-License-Identifier: CC-BY-SA-4.0
% C-Schlüssel auf der ersten Linie
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "soprano" \omit Staff.TimeSignature \cadenzaOn
    s4 c'1 s2
  }
  \layout { }
}
