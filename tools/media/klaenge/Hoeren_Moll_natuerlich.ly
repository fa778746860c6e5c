% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, E natural minor e' fis' g' a' h' c'' d'' e'' up, the tonic held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 e'4\mf fis' g' a' | h' c'' d'' e''~ | e''1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
