% SPDX-License-Identifier: CC-BY-SA-4.0
% Pause über vier Takte
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \time 4/4 \override Score.SpacingSpanner.spacing-increment = #0.9
    \compressMMRests { R1*4 } c''4 d'' e''2 \bar "|"
  }
  \layout { }
}
