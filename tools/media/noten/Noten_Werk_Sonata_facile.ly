% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang der Klaviersonate C-Dur KV 545 (W. A. Mozart, gest. 1791), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key c \major \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    c''2 e''4 g'' | \break h'4. c''16 d'' c''2
  }
  \layout { }
}
