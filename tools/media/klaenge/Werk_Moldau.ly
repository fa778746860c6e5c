% SPDX-License-Identifier: CC-BY-SA-4.0
% The river theme of »Die Moldau« (»Vltava«), strings.
% Our own arrangement; B. Smetana (d. 1884).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "violin" } {
      \clef treble \time 6/8
      e'4 fis'8 g'4 a'8 | h'4. h'4. | c''4 c''8 e''4 c''8 | h'4. h'4. | a'4 a'8 c''4 a'8 | g'4. g'4. | fis'4 fis'8 a'4 fis'8 | e'2.
    }
    \new Staff \with { midiInstrument = "cello" } {
      \clef bass \time 6/8
      e,2. | e,2. | a,2. | e,2. | a,2. | g,2. | h,2. | e,2.
    }
  >>
  \midi { \tempo 4. = 76 }
}
