% SPDX-License-Identifier: CC-BY-SA-4.0
% a short march: trumpet tune over a snare drum (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "trumpet" } { \time 2/4 \relative c'' { g8. g16 g8 e | c4 c | g'8. g16 g8 e | g4 r | e8. e16 e8 c | g4 g | c8 e g e | c4 r } }
  \new DrumStaff { \drummode { \time 2/4 \repeat unfold 8 { bd8 sn16 sn sn8 sn } } }
  >>
  \midi { \tempo 4 = 112 \context { \Score midiChannelMapping = #'instrument } }
}
