% SPDX-License-Identifier: CC-BY-SA-4.0
% Vorzeichen von gis-Moll
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key gis \minor \omit Staff.TimeSignature \cadenzaOn
    \hideNotes h'1 s4
  }
  \layout { }
}
