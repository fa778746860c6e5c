% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang von »Guten Abend, gut' Nacht« op. 49/4 (J. Brahms, gest. 1897), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 3/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \partial 4 e'8 e' | g'4. e'8 e'4 | g'2 e'8 g' | \break c''4 h'4. a'8 | a'4 g'
  }
  \layout { }
}
