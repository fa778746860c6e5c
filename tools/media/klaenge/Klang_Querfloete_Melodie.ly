% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: flute plays »Kuckuck, Kuckuck, ruft es aus dem Wald« (traditional)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "flute" } { \time 3/4 \key c \major \clef treble \time 3/4 \relative c''' { g2 e4 g2 e4 d4 c d c2 r4 d4 d e f2 d4 e4 e f g2 e4 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
