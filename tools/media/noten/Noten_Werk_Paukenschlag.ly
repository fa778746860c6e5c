% SPDX-License-Identifier: CC-BY-SA-4.0
% Thema aus dem 2. Satz der Sinfonie »mit dem Paukenschlag« (J. Haydn, gest. 1809), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 2/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c'8 c' e' e' | g' g' e'4 | \break f'8 f' d' d' | h h g4
  }
  \layout { }
}
