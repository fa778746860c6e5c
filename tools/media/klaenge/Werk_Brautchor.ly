% SPDX-License-Identifier: CC-BY-SA-4.0
% The bridal chorus »Treulich geführt« from »Lohengrin«: choir and organ.
% Our own arrangement; R. Wagner (d. 1883).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "choir aahs" } {
      \clef treble \time 4/4
      f'4 b'8. b'16 b'2 | f'4 c''8. a'16 b'2
    }
    \new Staff \with { midiInstrument = "church organ" } {
      \clef bass \time 4/4
      <b, d f>1 | <a, c f>2 <b, d f>2
    }
  >>
  \midi { \tempo 4 = 72 }
}
