% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall h-f'
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 h1 f'1 s4
  }
  \layout { }
}
