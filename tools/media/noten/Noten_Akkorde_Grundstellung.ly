% SPDX-License-Identifier: CC-BY-SA-4.0
% vier Dreiklänge, einer in Grundstellung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 <e' g' c''>1^\markup \bold "1" <g' c'' e''>1^\markup \bold "2" <c' e' g'>1^\markup \bold "3" <a d' fis'>1^\markup \bold "4" s4
  }
  \layout { }
}
