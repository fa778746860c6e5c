% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, D major triad d' fis' a', then D minor triad d' f' a' (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 <d' fis' a'>1\mf <d' f' a'>1 }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
