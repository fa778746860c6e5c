% SPDX-License-Identifier: CC-BY-SA-4.0
% Es-Dur-Dreiklang
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 <es' g' b'>1 s2
  }
  \layout { }
}
