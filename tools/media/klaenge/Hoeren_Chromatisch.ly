% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, chromatic scale c' to c'' in eighths, the top note held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 c'8\mf cis' d' dis' e' f' fis' g' | gis' a' ais' h' c''2~ | c''1 }
  >>
  \midi { \tempo 4 = 92 \context { \Score midiChannelMapping = #'instrument } }
}
