% SPDX-License-Identifier: CC-BY-SA-4.0
% clarinet plays a melody of our own after the opening of »Der Mond ist aufgegangen« (J. A. P. Schulz, d. 1800)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "clarinet" } { \time 4/4 \key f \major \clef treble \relative c'' { f4 g f b a2 g4 f g g f2 r4 a4 a a d c2 b4 a g2 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
