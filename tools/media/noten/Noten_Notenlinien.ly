% SPDX-License-Identifier: CC-BY-SA-4.0
% Notensystem mit drei Noten
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 c''4 a' f' s8
  }
  \layout { }
}
