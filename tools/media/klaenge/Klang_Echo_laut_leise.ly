% SPDX-License-Identifier: CC-BY-SA-4.0
% piano: a phrase played loud, then softly like an echo (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \relative c'' { g4\f e8 e f4 d8 d c4 e g2 r2 g4\p e8 e f4 d8 d c4 e g2 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
