% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, C major: I IV V7 I (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 <e' g' c''>2\mf <f' a' c''>2 <d' f' h'>2 <e' g' c''>1 }
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \clef bass c2\mf f2 g2 c1 }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
