% SPDX-License-Identifier: CC-BY-SA-4.0
% zwei Viertelnoten, Hals nach oben und unten
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 e'4^\markup \bold "1" s4 e''4^\markup \bold "2" s8
  }
  \layout { }
}
