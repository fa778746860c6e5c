% SPDX-License-Identifier: CC-BY-SA-4.0
% verminderter Dreiklang auf h
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 <h d' f'>1 s2
  }
  \layout { }
}
