% SPDX-License-Identifier: CC-BY-SA-4.0
% A solo violin plays "Kuckuck, Kuckuck, ruft's aus dem Wald" (traditional).
\include "../noten/stil.ily"
\score {
  \new Staff \with { midiInstrument = "violin" } \relative c'' {
    \time 3/4
    g4 e2 | g4 e2 | d8 c d c d4 | c2. |
  }
  \midi { \tempo 4 = 120 }
}
