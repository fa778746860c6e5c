% SPDX-License-Identifier: CC-BY-SA-4.0
% alto saxophone plays »Swing Low, Sweet Chariot« (traditional spiritual)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "alto sax" } { \time 4/4 \key c \major \clef treble \relative c'' { e4 c8 a~ a2 e'4 e8 e~ e4 d8 c d4 c8 a~ a2 g4 a8 c~ c2 } }
  >>
  \midi { \tempo 4 = 76 \context { \Score midiChannelMapping = #'instrument } }
}
