% SPDX-License-Identifier: CC-BY-SA-4.0
% accordion plays »La Paloma« (S. de Iradier, d. 1865)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "accordion" } { \time 2/4 \key c \major \clef treble \time 2/4 \relative c'' { g8 g16 g g8 a h8. c16 d4 c8 h16 a c8 h a2 } }
  \new Staff \with { midiInstrument = "accordion" } { \time 2/4 \key c \major \clef bass \time 2/4 \relative c { c8 <e g> c <e g> g, <d' g> g, <d' g> d <fis a> d <fis a> g, <d' g> g,4 } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
