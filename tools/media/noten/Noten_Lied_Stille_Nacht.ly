% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang von »Stille Nacht« (F. X. Gruber, gest. 1863), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 6/8 \override Score.SpacingSpanner.spacing-increment = #0.9
    g'8. a'16 g'8 e'4. | g'8. a'16 g'8 e'4. | \break d''4 d''8 h'4. | c''4 c''8 g'4.
  }
  \layout { }
  \midi { \tempo 4 = 60 }
}
