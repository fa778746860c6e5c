% SPDX-License-Identifier: CC-BY-SA-4.0
% Verzierungszeichen Doppelschlag
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 g'2\turn c''2 s8
  }
  \layout { }
}
