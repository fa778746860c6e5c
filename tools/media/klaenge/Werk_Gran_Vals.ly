% SPDX-License-Identifier: CC-BY-SA-4.0
% The well-known passage of the »Gran Vals«, classical guitar.
% Our own arrangement; F. Tárrega (d. 1909).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "acoustic guitar (nylon)" } {
      \clef treble \time 3/4
      e''8 d'' fis'4 gis' | cis''8 h' d'4 e' | h'8 a' cis'4 e' | a'2.
    }
    \new Staff \with { midiInstrument = "acoustic guitar (nylon)" } {
      \clef bass \time 3/4
      e,2. | e,2. | a,2. | a,2.
    }
  >>
  \midi { \tempo 4 = 100 }
}
