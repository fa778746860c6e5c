% SPDX-License-Identifier: CC-BY-SA-4.0
% ein 4/4-Takt: zwei Viertel und eine Halbe
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4
    g'4 a' h'2 \bar "|."
  }
  \layout { }
}
