% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang von »Alle meine Entchen« (Volkslied), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c'4 d' e' f' | g'2 g' | \break a'4 a' a' a' | g'1
  }
  \layout { }
  \midi { \tempo 4 = 110 }
}
