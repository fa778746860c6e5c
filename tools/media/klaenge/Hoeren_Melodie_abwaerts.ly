% SPDX-License-Identifier: CC-BY-SA-4.0
% flute, a melody going down step by step from g'' to g' (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "flute" } { \time 4/4 g''4\mf f'' e'' d'' | c'' h' a' g'~ | g'1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
