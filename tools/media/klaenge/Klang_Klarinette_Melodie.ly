% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: clarinet plays »Der Mond ist aufgegangen« (J. A. P. Schulz, d. 1800)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "clarinet" } { \time 4/4 \key f \major \clef treble \relative c'' { f4 g f bes a2 g4 f g g f2 r4 a4 a a d c2 bes4 a g2 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
