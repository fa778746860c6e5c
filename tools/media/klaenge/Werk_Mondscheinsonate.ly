% SPDX-License-Identifier: CC-BY-SA-4.0
% The opening of the »Mondscheinsonate« (sonata op. 27 no. 2), piano.
% Our own arrangement; L. van Beethoven (d. 1827).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef treble \time 4/4
      \repeat unfold 8 { \tuplet 3/2 { gis8 cis' e' } } \repeat unfold 2 { \tuplet 3/2 { a8 cis' e' } } \repeat unfold 2 { \tuplet 3/2 { a8 d' fis' } } <gis his dis'>2
    }
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef bass \time 4/4
      <cis, cis>1 | <h,, h,>1 | <a,, a,>2 <fis,, fis,>2 | <gis,, gis,>2
    }
  >>
  \midi { \tempo 4 = 72 }
}
