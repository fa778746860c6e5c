% SPDX-License-Identifier: CC-BY-SA-4.0
% trumpet, then flute, then violin, two notes each (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "trumpet" } { \time 4/4 \key c \major \clef treble \relative c'' { c4 g r2 r1 r1 } }
  \new Staff \with { midiInstrument = "flute" } { \time 4/4 \key c \major \clef treble \relative c'' { r1 e4 c r2 r1 } }
  \new Staff \with { midiInstrument = "violin" } { \time 4/4 \key c \major \clef treble \relative c'' { r1 r1 g4 c, r2 } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
