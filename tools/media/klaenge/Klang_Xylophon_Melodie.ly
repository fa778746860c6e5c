% SPDX-License-Identifier: CC-BY-SA-4.0
% xylophone plays »Kommt ein Vogel geflogen« (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "xylophone" } { \time 3/4 \key f \major \clef treble \time 3/4 \relative c'' { \partial 4 c4 f4. e8 d c c2 a4 d4. c8 b a g2 c4 e4. f8 g e f2 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
