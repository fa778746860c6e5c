% SPDX-License-Identifier: CC-BY-SA-4.0
% trumpet, a short melody in G major (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "trumpet" } { \time 4/4 g'4\mf h' d'' h' | c'' a' fis' a' | g' d' g'2 }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
