% SPDX-License-Identifier: CC-BY-SA-4.0
% Anfang von »Für Elise« WoO 59 (L. van Beethoven, gest. 1827), eigene Fassung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key a \minor \time 3/8 \override Score.SpacingSpanner.spacing-increment = #0.9
    \partial 8 e''16 dis'' | e'' dis'' e'' h' d'' c'' | \break a'8 r16 c' e' a' | h'8 r16 e' gis' h'
  }
  \layout { }
}
