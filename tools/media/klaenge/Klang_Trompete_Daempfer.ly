% SPDX-License-Identifier: CC-BY-SA-4.0
% muted trumpet plays a slow tune (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "muted trumpet" } { \time 4/4 \key c \major \clef treble \relative c'' { e4 g a8 g e4 d2 c4 d e8 d c4 a'2 g2 } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
