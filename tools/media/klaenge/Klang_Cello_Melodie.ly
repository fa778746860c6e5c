% SPDX-License-Identifier: CC-BY-SA-4.0
% cello plays a short lullaby-like melody of our own
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "cello" } { \time 3/4 \key c \major \clef bass \time 3/4 \relative c { \partial 4 c8 c e4. c8 c4 e r c8 e g4 f4. e8 e4 d2 } }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
