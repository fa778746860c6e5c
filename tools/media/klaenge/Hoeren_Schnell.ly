% SPDX-License-Identifier: CC-BY-SA-4.0
% flute, a quick running melody in sixteenths at 4 = 160 (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "flute" } { \time 4/4 c''16\mf d'' e'' f'' g'' f'' e'' d'' c'' d'' e'' f'' g'' a'' g'' f'' | e'' f'' g'' a'' h'' a'' g'' f'' e'' d'' c'' h' c''4 | c''16 d'' e'' f'' g'' f'' e'' d'' c''4 r | g''16 f'' e'' d'' c'' h' a' h' c''2 }
  >>
  \midi { \tempo 4 = 160 \context { \Score midiChannelMapping = #'instrument } }
}
