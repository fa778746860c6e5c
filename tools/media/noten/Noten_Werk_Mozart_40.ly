% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang der Sinfonie g-Moll KV 550 (W. A. Mozart, gest. 1791), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key g \minor \time 2/2 \override Score.SpacingSpanner.spacing-increment = #0.9
    \partial 4 es''8 d'' | d''4 es''8 d'' d''4 es''8 d'' | \break d''4 b''4 r4 b''8 a''
  }
  \layout { }
}
