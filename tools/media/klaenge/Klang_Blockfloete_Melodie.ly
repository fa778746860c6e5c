% SPDX-License-Identifier: CC-BY-SA-4.0
% recorder plays a short melody of our own
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "recorder" } { \time 4/4 \key c \major \clef treble \relative c'' { c4 g e' c g'2 f4 d c1 e4 f g e d e c2 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
