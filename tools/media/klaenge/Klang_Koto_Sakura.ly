% SPDX-License-Identifier: CC-BY-SA-4.0
% koto plays »Sakura, Sakura« (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "koto" } { \time 4/4 \key c \major \clef treble \relative c'' { a4 a h2 a4 a h2 a4 h c h a h8 a f2 } }
  >>
  \midi { \tempo 4 = 76 \context { \Score midiChannelMapping = #'instrument } }
}
