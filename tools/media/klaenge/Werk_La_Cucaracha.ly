% SPDX-License-Identifier: CC-BY-SA-4.0
% »La Cucaracha« (Mexican traditional): trumpet with guitar.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "trumpet" } {
      \clef treble \time 3/4
      \partial 4 c''8 c'' | c''4 f''2 | a''2 c''8 c'' | c''4 f''2 | a''2. | f''4 f'' e'' | e'' d'' d'' | c''2.
    }
    \new Staff \with { midiInstrument = "acoustic guitar (nylon)" } {
      \clef bass \time 3/4
      \partial 4 r4 | f4 <a c'> <a c'> | f4 <a c'> <a c'> | f4 <a c'> <a c'> | f4 <a c'> <a c'> | c4 <g b> <g b> | c4 <g b> <g b> | f2.
    }
  >>
  \midi { \tempo 4 = 160 }
}
