% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall a'-b'
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 a'1 b'1 s4
  }
  \layout { }
}
