% SPDX-License-Identifier: CC-BY-SA-4.0
% strings plucked: a short dance (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "pizzicato strings" } { \time 4/4 \key c \major \clef treble \relative c'' { c8 r e r g r e r c r g r c r r4 d8 r f r a r f r d r g, r c4 r } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
