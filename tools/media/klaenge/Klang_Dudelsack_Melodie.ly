% SPDX-License-Identifier: CC-BY-SA-4.0
% bagpipe plays »Amazing Grace« (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "bagpipe" } { \time 3/4 \key g \major \clef treble \time 3/4 \relative c'' { \partial 4 d,4 g2 h8 g h2 a4 g2 e4 d2 d4 g2 h8 g h2 a4 d2. } }
  \new Staff \with { midiInstrument = "bagpipe" } { \time 3/4 \key g \major \clef bass \time 3/4 \relative c { \partial 4 g4~ g2.~ g2.~ g2.~ g2.~ g2.~ g2.~ g2. } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
