% SPDX-License-Identifier: CC-BY-SA-4.0
% der Ruf »Ku-ckuck, Ku-ckuck« aus dem Kinderlied (traditionell), eigene Bearbeitung
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff \with { midiInstrument = "flute" } { \clef "treble" \time 4/4
    g'2 e' | g' e' \bar "|."
  }
  \layout { }
  \midi { \tempo 4 = 90 }
}
