% SPDX-License-Identifier: CC-BY-SA-4.0
% d-Moll-Dreiklang
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 <d' f' a'>1 s2
  }
  \layout { }
}
