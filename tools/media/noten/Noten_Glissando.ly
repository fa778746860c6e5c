% SPDX-License-Identifier: CC-BY-SA-4.0
% Glissando-Linie
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 c'2\glissando c''2 s8
  }
  \layout { }
}
