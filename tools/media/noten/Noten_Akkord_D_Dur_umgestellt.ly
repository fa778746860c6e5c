% SPDX-License-Identifier: CC-BY-SA-4.0
% D-Dur-Dreiklang mit Fis unten
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s4 <fis' a' d''>1 s2
  }
  \layout { }
}
