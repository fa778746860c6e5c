% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall c'-dis'
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 c'1 dis'1 s4
  }
  \layout { }
}
