% SPDX-License-Identifier: CC-BY-SA-4.0
% Violinschlüssel mit kleiner 8
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble_8" \omit Staff.TimeSignature \cadenzaOn
    s8 c'4 d' e' s8
  }
  \layout { }
}
