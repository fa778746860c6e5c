% SPDX-License-Identifier: CC-BY-SA-4.0
% »The Star-Spangled Banner« (tune by J. S. Smith, d. 1836): first line, brass.
% Our own arrangement; J. S. Smith (d. 1836).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "trumpet" } {
      \clef treble \time 3/4
      \partial 4 g'8. e'16 | c'4 e' g' | c''2 e''8. d''16 | c''4 e' fis' | g'2.
    }
    \new Staff \with { midiInstrument = "tuba" } {
      \clef bass \time 3/4
      \partial 4 r4 | c,2. | c,2. | a,,2 d,4 | g,,2.
    }
  >>
  \midi { \tempo 4 = 100 }
}
