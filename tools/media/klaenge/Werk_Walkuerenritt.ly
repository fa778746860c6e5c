% SPDX-License-Identifier: CC-BY-SA-4.0
% The »Ritt der Walküren«: trombones over string tremolo.
% Our own arrangement; R. Wagner (d. 1883).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "trombone" } {
      \clef bass \time 9/8
      h,8. fis,16 h,8 d4. h,4. | d8. h,16 d8 fis4. d4. | fis8. d16 fis8 a4. a,4. | d8. a,16 d8 fis2.
    }
    \new Staff \with { midiInstrument = "tremolo strings" } {
      \clef treble \time 9/8
      <h d' fis'>2. r4. | <h d' fis'>2. r4. | <a d' fis'>2. r4. | <a d' fis'>2.~ <a d' fis'>4.
    }
  >>
  \midi { \tempo 4. = 72 }
}
