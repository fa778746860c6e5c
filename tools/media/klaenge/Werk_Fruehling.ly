% SPDX-License-Identifier: CC-BY-SA-4.0
% The opening ritornello of »La primavera«: the first phrase and its echo, strings.
% Our own arrangement; A. Vivaldi (d. 1741).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "string ensemble 1" } {
      \clef treble \time 4/4
      \partial 4 e'4 | gis'8 gis' gis' fis'16 e' h'4. h'16 a' | gis'8 gis' gis' fis'16 e' h'2
    }
    \new Staff \with { midiInstrument = "cello" } {
      \clef bass \time 4/4
      \partial 4 r4 | e4 e e e | e e e2
    }
  >>
  \midi { \tempo 4 = 90 }
}
