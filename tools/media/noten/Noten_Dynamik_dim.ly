% SPDX-License-Identifier: CC-BY-SA-4.0
% Angabe dim.
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c''4\f_\markup \italic "dim." h' a' g' | f'1\p
  }
  \layout { }
}
