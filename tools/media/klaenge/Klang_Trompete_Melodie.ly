% SPDX-License-Identifier: CC-BY-SA-4.0
% A trumpet plays a short fanfare of our own.
\include "../noten/stil.ily"
\score {
  \new Staff \with { midiInstrument = "trumpet" } \relative c'' {
    \time 4/4
    c8 c c4 g c | e8 e e4 c2 | g'4 e8 c g4 e' | c1 |
  }
  \midi { \tempo 4 = 112 }
}
