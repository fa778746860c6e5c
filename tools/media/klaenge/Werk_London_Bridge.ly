% SPDX-License-Identifier: CC-BY-SA-4.0
% »London Bridge Is Falling Down« (English traditional), piano.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef treble \time 4/4
      g'8. a'16 g'8 f' e' f' g'4 | d'8 e' f'4 e'8 f' g'4 | g'8. a'16 g'8 f' e' f' g'4 | d'4 g' e' c'
    }
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef bass \time 4/4
      c2 e2 | g,2 c2 | c2 e2 | g,2 c2
    }
  >>
  \midi { \tempo 4 = 110 }
}
