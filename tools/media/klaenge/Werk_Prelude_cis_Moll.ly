% SPDX-License-Identifier: CC-BY-SA-4.0
% The three opening octaves and the first chord of the prelude in c sharp minor op. 3 no. 2.
% Our own arrangement; S. Rachmaninoff (d. 1943).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef bass \time 4/4
      <a,, a,>2 <gis,, gis,>2 | <cis, cis>1 | <cis, gis, cis e gis>1
    }
  >>
  \midi { \tempo 4 = 66 }
}
