% SPDX-License-Identifier: CC-BY-SA-4.0
% trumpet, a phrase soft, then the same phrase loud (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "trumpet" } { \time 4/4 c''4\ppp e'' g'' e'' | c''2 r | c''4\fff e'' g'' e'' | c''2 }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
