% SPDX-License-Identifier: CC-BY-SA-4.0
% banjo plays »Camptown Races« (S. Foster, d. 1864)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "banjo" } { \time 4/4 \key c \major \clef treble \relative c'' { g8 g e g a g e4 e8 d4. e8 d4. g8 g e g a g e4 d8 e d c c2 } }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
