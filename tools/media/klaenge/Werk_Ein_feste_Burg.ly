% SPDX-License-Identifier: CC-BY-SA-4.0
% »Ein feste Burg ist unser Gott« (M. Luther, d. 1546): first line, organ.
% Our own arrangement; M. Luther (d. 1546).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "church organ" } {
      \clef treble \time 4/4
      c''4 c'' c'' g' | a' h' c''8 h' a'4 | g'2
    }
    \new Staff \with { midiInstrument = "church organ" } {
      \clef bass \time 4/4
      <c e>2 <e g>2 | <f a>4 <d g> <e g>4 <f a> | <c e>2
    }
  >>
  \midi { \tempo 4 = 72 }
}
