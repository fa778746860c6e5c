% SPDX-License-Identifier: CC-BY-SA-4.0
% vier Noten verschiedener Dauer
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 g'8^\markup \bold "1" s8 g'2^\markup \bold "2" s8 g'4^\markup \bold "3" s8 g'4.^\markup \bold "4" s8
  }
  \layout { }
}
