% SPDX-License-Identifier: CC-BY-SA-4.0
% drei Rhythmen zur Auswahl, jeder einen Takt lang
\include "stil.ily"
\language "deutsch"

\score {
  \new RhythmicStaff { \omit Staff.TimeSignature \time 4/4
    c4^\markup \bold "1" c c c \bar "||" \break
    c2^\markup \bold "2" c8 c c4 \bar "||" \break
    c8^\markup \bold "3" c c c c2 \bar "||"
  }
  \layout { }
}
