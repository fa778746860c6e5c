% SPDX-License-Identifier: CC-BY-SA-4.0
% organ, C major: I vi IV I (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 <e' g' c''>2\mf <e' a' c''>2 <f' a' c''>2 <e' g' c''>1 }
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 \clef bass c2\mf a2 f2 c1 }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
