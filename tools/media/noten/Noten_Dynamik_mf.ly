% SPDX-License-Identifier: CC-BY-SA-4.0
% Lautstärkezeichen mf
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 c''4\mf d'' e'' c'' s8
  }
  \layout { }
}
