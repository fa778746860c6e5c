% SPDX-License-Identifier: CC-BY-SA-4.0
% D-Dur-Tonleiter, ein Vorzeichen fehlt
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    d'4^\markup \bold "1" e'^\markup \bold "2" f'^\markup \bold "3" g'^\markup \bold "4" \bar "" \break a'^\markup \bold "5" h'^\markup \bold "6" cis''^\markup \bold "7" d''^\markup \bold "8" s8
  }
  \layout { }
}
