% SPDX-License-Identifier: CC-BY-SA-4.0
% violin and cello in two voices (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "violin" } { \time 4/4 \key c \major \clef treble \relative c'' { e4 d c d e e e2 d4 d d2 e4 g g2 } }
  \new Staff \with { midiInstrument = "cello" } { \time 4/4 \key c \major \clef bass \relative c { c2 g' a e f d c1 } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
