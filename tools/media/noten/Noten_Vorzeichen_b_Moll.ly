% SPDX-License-Identifier: CC-BY-SA-4.0
% Vorzeichen von b-Moll
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key b \minor \omit Staff.TimeSignature \cadenzaOn
    \hideNotes h'1 s4
  }
  \layout { }
}
