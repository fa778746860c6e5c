% SPDX-License-Identifier: CC-BY-SA-4.0
% The funeral march from the piano sonata in b flat minor op. 35.
% Our own arrangement; F. Chopin (d. 1849).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef treble \time 4/4
      b'4 b'8. b'16 b'2 | des''4. c''8 c''8. b'16 b'8. a'16 | b'2
    }
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef bass \time 4/4
      <b,, f, des>4 <b,, ges, des> <b,, f, des> <b,, ges, des> | <b,, f, des>4 <b,, ges, des> <b,, f, des> <b,, ges, des> | <b,, f, des>2
    }
  >>
  \midi { \tempo 4 = 54 }
}
