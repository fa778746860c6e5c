% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, tritone f' h': first one after the other, then together (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 f'2\mf h'2 <f' h'>1 }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
