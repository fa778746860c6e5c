% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall g'-g'
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 g'1 g'1 s4
  }
  \layout { }
}
