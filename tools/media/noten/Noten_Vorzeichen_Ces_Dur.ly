% SPDX-License-Identifier: CC-BY-SA-4.0
% Vorzeichen von Ces-Dur im Bassschlüssel
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "bass" \key ces \major \omit Staff.TimeSignature \cadenzaOn
    \hideNotes d1 s4
  }
  \layout { }
}
