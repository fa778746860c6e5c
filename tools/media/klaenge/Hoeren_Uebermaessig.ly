% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, augmented triad d' fis' ais': together, then broken (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 <d' fis' ais'>1\mf d'4 fis'4 ais'4 r4 }
  >>
  \midi { \tempo 4 = 84 \context { \Score midiChannelMapping = #'instrument } }
}
