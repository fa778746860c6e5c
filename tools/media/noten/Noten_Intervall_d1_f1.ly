% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall d'-f'
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 <d' f'>1 s2
  }
  \layout { }
}
