% SPDX-License-Identifier: CC-BY-SA-4.0
% flute, D major d' e' fis' g' a' h' cis'' d'' up, the tonic held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "flute" } { \time 4/4 d'4\mf e' fis' g' | a' h' cis'' d''~ | d''1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
