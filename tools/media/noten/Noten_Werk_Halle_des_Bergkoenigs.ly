% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang von »In der Halle des Bergkönigs« (E. Grieg, gest. 1907), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key h \minor \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    h8 cis' d' e' fis' d' fis'4 | \break eis'8 cis' eis'4 e'8 c' e'4
  }
  \layout { }
  \midi { \tempo 4 = 100 }
}
