% SPDX-License-Identifier: CC-BY-SA-4.0
% The E flat prelude of »Das Rheingold«: a low drone, then the horns' rising chord.
% Our own arrangement; R. Wagner (d. 1883).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "contrabass" } {
      \clef bass \time 6/8
      es,2.~ | es,2.~ | es,2.~ | es,2.~ | es,2.
    }
    \new Staff \with { midiInstrument = "bassoon" } {
      \clef bass \time 6/8
      r2. | b,2.~ | b,2.~ | b,2.~ | b,2.
    }
    \new Staff \with { midiInstrument = "french horn" } {
      \clef bass \time 6/8
      r2. | es4. b,4. | es4. g4. | b4. es'4. | g'2.
    }
  >>
  \midi { \tempo 4. = 60 }
}
