% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang von »Zum Geburtstag viel Glück« (Melodie von M. J. Hill, gest. 1916), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 3/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \partial 4 g'8. g'16 | a'4 g' c'' | \break h'2 g'8. g'16 | a'4 g' d'' | c''2
  }
  \layout { }
  \midi { \tempo 4 = 100 }
}
