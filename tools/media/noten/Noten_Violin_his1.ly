% SPDX-License-Identifier: CC-BY-SA-4.0
% his' im Violinschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 his'1 s2
  }
  \layout { }
}
