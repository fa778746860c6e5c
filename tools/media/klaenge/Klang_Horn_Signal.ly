% SPDX-License-Identifier: CC-BY-SA-4.0
% French horn plays a hunting call (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "french horn" } { \time 6/8 \key c \major \clef treble \time 6/8 \relative c' { c8 e g c4 g8 e4 c8 g'4. c,8 e g c4 e,8 g4. c,4. } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
