% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, C major: I vi IV V, the V held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 <e' g' c''>2\mf <e' a' c''>2 <f' a' c''>2 <d' g' h'>1 }
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \clef bass c2\mf a2 f2 g1 }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
