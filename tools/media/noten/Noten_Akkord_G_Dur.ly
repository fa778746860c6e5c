% SPDX-License-Identifier: CC-BY-SA-4.0
% G-Dur-Dreiklang
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 <g' h' d''>1 s2
  }
  \layout { }
}
