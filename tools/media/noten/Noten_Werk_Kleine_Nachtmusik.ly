% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang der Serenade »Eine kleine Nachtmusik« KV 525 (W. A. Mozart, gest. 1791), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key g \major \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    g'4 r8 d' g'4 r8 d' | \break g'8 d' g' h' d''4 r
  }
  \layout { }
}
