% SPDX-License-Identifier: CC-BY-SA-4.0
% »O du lieber Augustin« (Viennese traditional), accordion.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "accordion" } {
      \clef treble \time 3/4
      g'4. a'8 g' f' | e'4 c' c' | d' g g | e' c' c' | g'4. a'8 g' f' | e'4 c' c' | d' g g | c'2.
    }
    \new Staff \with { midiInstrument = "accordion" } {
      \clef bass \time 3/4
      c4 <e g> <e g> | c4 <e g> <e g> | g,4 <f g> <f g> | c4 <e g> <e g> | c4 <e g> <e g> | c4 <e g> <e g> | g,4 <f g> <f g> | c2.
    }
  >>
  \midi { \tempo 4 = 160 }
}
