% SPDX-License-Identifier: CC-BY-SA-4.0
% langer Vorschlag
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 \appoggiatura d''8 c''2 h'2 s8
  }
  \layout { }
}
