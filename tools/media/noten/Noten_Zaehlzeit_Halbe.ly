% SPDX-License-Identifier: CC-BY-SA-4.0
% ein 4/4-Takt: eine Halbe und zwei Viertel (wer nur die Noten zählt, landet auf der 3)
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4
    h'2 a'4 g' \bar "|."
  }
  \layout { }
}
