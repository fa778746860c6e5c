% SPDX-License-Identifier: CC-BY-SA-4.0
% Intervall f'-d''
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 f'1 d''1 s4
  }
  \layout { }
}
