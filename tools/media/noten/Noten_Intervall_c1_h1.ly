% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall c'-h'
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 c'1 h'1 s4
  }
  \layout { }
}
