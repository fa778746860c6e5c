% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, dominant seventh chord g h d' f': together, then broken (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 <g h d' f'>1\mf g4 h4 d'4 f'4 r4 }
  >>
  \midi { \tempo 4 = 84 \context { \Score midiChannelMapping = #'instrument } }
}
