% SPDX-License-Identifier: CC-BY-SA-4.0
% F-Dur-Tonleiter mit einer falschen Note
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    f'4^\markup \bold "1" g'^\markup \bold "2" a'^\markup \bold "3" h'^\markup \bold "4" \bar "" \break c''^\markup \bold "5" d''^\markup \bold "6" e''^\markup \bold "7" f''^\markup \bold "8" s8
  }
  \layout { }
}
