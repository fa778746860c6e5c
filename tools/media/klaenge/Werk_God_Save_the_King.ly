% SPDX-License-Identifier: CC-BY-SA-4.0
% »God Save the King« (traditional), brass.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "trumpet" } {
      \clef treble \time 3/4
      g'4 g' a' | fis'4. g'8 a'4 | h' h' c'' | h'4. a'8 g'4 | a' g' fis' | g'2.
    }
    \new Staff \with { midiInstrument = "tuba" } {
      \clef bass \time 3/4
      g,2. | d2. | g,4 g, c | g,2 e,4 | d2 d4 | g,2.
    }
  >>
  \midi { \tempo 4 = 84 }
}
