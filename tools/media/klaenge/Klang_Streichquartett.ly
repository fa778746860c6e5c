% SPDX-License-Identifier: CC-BY-SA-4.0
% two violins, viola and cello play an own four-part cadence in C
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "violin" } { \time 4/4 \key c \major \clef treble e''4 g'' f'' a'' | d''4 f'' e''2 }
  \new Staff \with { midiInstrument = "violin" } { \time 4/4 \key c \major \clef treble c''2 c''2 | h'2 c''2 }
  \new Staff \with { midiInstrument = "viola" } { \time 4/4 \key c \major \clef alto g'2 a'2 | g'2 g'2 }
  \new Staff \with { midiInstrument = "cello" } { \time 4/4 \key c \major \clef bass c2 f2 | g2 c2 }
  >>
  \midi { \tempo 4 = 72 \context { \Score midiChannelMapping = #'instrument } }
}
