% SPDX-License-Identifier: CC-BY-SA-4.0
% Coda-Zeichen über einem Takt
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \mark \markup \musicglyph "scripts.coda" c''4 e'' g''2 | c'''1 \bar "|."
  }
  \layout { }
}
