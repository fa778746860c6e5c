% SPDX-License-Identifier: CC-BY-SA-4.0
% a solo violin plays an own melody over sustained string orchestra chords
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "violin" } { \time 4/4 \key g \major \clef treble
    d''8 h' g' h' d''4 g'' | e''8 c'' g' c'' e''4 g'' | fis''8 d'' a' d'' fis''4 a'' | g''2 r2 }
  \new Staff \with { midiInstrument = "string ensemble 1" } { \time 4/4 \key g \major \clef treble
    <g h d'>1 | <g c' e'>1 | <fis a d'>1 | <g h d'>2 r2 }
  \new Staff \with { midiInstrument = "string ensemble 1" } { \time 4/4 \key g \major \clef bass
    g,1 | c1 | d1 | g,2 r2 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
