% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang des Rondo »Alla turca« aus KV 331 (W. A. Mozart, gest. 1791), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key a \minor \time 2/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \partial 4 h'16 a' gis' a' | c''8 r d''16 c'' h' c'' | \break e''8 r f''16 e'' dis'' e''
  }
  \layout { }
}
