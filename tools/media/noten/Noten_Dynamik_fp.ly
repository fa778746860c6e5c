% SPDX-License-Identifier: CC-BY-SA-4.0
% Lautstärkezeichen fp
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 g'2\fp a'2 s8
  }
  \layout { }
}
