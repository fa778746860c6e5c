% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang von »Bruder Jakob« (Volkslied), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c'4 d' e' c' | c' d' e' c' | \break e' f' g'2 | e'4 f' g'2
  }
  \layout { }
  \midi { \tempo 4 = 110 }
}
