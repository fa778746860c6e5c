% SPDX-License-Identifier: CC-BY-SA-4.0
% »We Wish You a Merry Christmas« (English traditional), celesta.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "celesta" } {
      \clef treble \time 3/4
      \partial 4 d'4 | g' g'8 a' g' fis' | e'4 e' e' | a' a'8 h' a' g' | fis'4 d' d' | h' h'8 c'' h' a' | g'4 e' d'8 d' | e'4 a' fis' | g'2.
    }
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef bass \time 3/4
      \partial 4 r4 | g,2. | c2. | a,2. | d2. | h,2. | c2. | c4 d2 | g,2.
    }
  >>
  \midi { \tempo 4 = 140 }
}
