% SPDX-License-Identifier: CC-BY-SA-4.0
% The English horn theme of the Largo from the symphony »From the New World«.
% Our own arrangement; A. Dvorak (d. 1904).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "english horn" } {
      \clef treble \time 4/4
      f'4. as'8 as'2 | f'4. es'8 des'2 | es'4. f'8 as'4. f'8 | es'2.
    }
    \new Staff \with { midiInstrument = "string ensemble 1" } {
      \clef bass \time 4/4
      <des f as>1 | <des f as>1 | <des f as>2 <as, es ges>2 | <as, es c'>2.
    }
  >>
  \midi { \tempo 4 = 72 }
}
