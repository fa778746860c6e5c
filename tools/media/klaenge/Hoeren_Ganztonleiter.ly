% SPDX-License-Identifier: CC-BY-SA-4.0
% vibraphone, whole-tone scale c' d' e' fis' gis' ais' c'' up, the top note held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "vibraphone" } { \time 4/4 c'4\mf d' e' fis' | gis' ais' c''2~ | c''1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
