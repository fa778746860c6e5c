% SPDX-License-Identifier: CC-BY-SA-4.0
% The first line of the sequence »Dies irae« (plainchant), male choir.
% Our own arrangement; traditional (medieval chant).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "choir aahs" } {
      \clef bass \time 4/4
      f4 e f d e c d d2
    }
  >>
  \midi { \tempo 4 = 72 }
}
