% SPDX-License-Identifier: CC-BY-SA-4.0
% piano: the same tune slowly, then fast (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \relative c' { \tempo 4 = 66 c4 e g c g e c2 \tempo 4 = 176 c4 e g c g e c2 } }
  >>
  \midi { \tempo 4 = 66 \context { \Score midiChannelMapping = #'instrument } }
}
