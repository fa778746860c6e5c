% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall e'-a'
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 e'1 a'1 s4
  }
  \layout { }
}
