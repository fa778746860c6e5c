% SPDX-License-Identifier: CC-BY-SA-4.0
% zwei Takte mit Achtelgruppen, ohne Taktangabe
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \override Score.SpacingSpanner.spacing-increment = #0.9 \time 6/8
    c''8 h' a' g' a' h' | c''4. g'4.
  }
  \layout { }
}
