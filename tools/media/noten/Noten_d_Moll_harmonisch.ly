% SPDX-License-Identifier: CC-BY-SA-4.0
% harmonische d-Moll-Tonleiter
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    d'4 e' f' g' \bar "" \break a' b' cis'' d'' s8
  }
  \layout { }
}
