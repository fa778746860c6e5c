% SPDX-License-Identifier: CC-BY-SA-4.0
% drei Notenwerte: Viertel, Ganze, Halbe
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 a'4^\markup \bold "1" s4 a'1^\markup \bold "2" s4 a'2^\markup \bold "3" s8
  }
  \layout { }
}
