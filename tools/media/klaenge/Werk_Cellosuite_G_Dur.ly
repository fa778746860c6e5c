% SPDX-License-Identifier: CC-BY-SA-4.0
% The prelude of the cello suite no. 1 in G major BWV 1007, first bars.
% Our own arrangement; J. S. Bach (d. 1750).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "cello" } {
      \clef bass \time 4/4
      \repeat unfold 2 { g,16 d h a h d h d } \repeat unfold 2 { g,16 e c' h c' e c' e } \repeat unfold 2 { g,16 fis c' h c' fis c' fis } g,2
    }
  >>
  \midi { \tempo 4 = 72 }
}
