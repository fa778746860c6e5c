% SPDX-License-Identifier: CC-BY-SA-4.0
% »Hark! The Herald Angels Sing«: the first line, choir and organ.
% Our own arrangement; F. Mendelssohn Bartholdy (d. 1847).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "choir aahs" } {
      \clef treble \time 4/4
      d'4 g' g'4. fis'8 | g'4 h' h' a' | d''4 d'' d''4. c''8 | h'4 a' h'2
    }
    \new Staff \with { midiInstrument = "church organ" } {
      \clef bass \time 4/4
      <g, d>2 <g, d>2 | <g, d>2 <d fis>2 | <h, g>2 <a, fis>2 | <d g>4 <d fis> <g, d>2
    }
  >>
  \midi { \tempo 4 = 100 }
}
