% SPDX-License-Identifier: CC-BY-SA-4.0
% The canon in D: the ground bass with the first violin entries.
% Our own arrangement; J. Pachelbel (d. 1706).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "violin" } {
      \clef treble \time 4/4
      fis''4 e'' d'' cis'' | h' a' h' cis'' | d'' cis'' h' a' | g' fis' g' e' | fis'2
    }
    \new Staff \with { midiInstrument = "cello" } {
      \clef bass \time 4/4
      d4 a, h, fis, | g, d, g, a, | d a, h, fis, | g, d, g, a, | d2
    }
  >>
  \midi { \tempo 4 = 84 }
}
