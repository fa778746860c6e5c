% SPDX-License-Identifier: CC-BY-SA-4.0
% Lautstärkezeichen sfz
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 e''4\p e'' e''\sfz e'' e''\p s8
  }
  \layout { }
}
