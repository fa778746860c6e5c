% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall d'-a'
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 d'1 a'1 s4
  }
  \layout { }
}
