% SPDX-License-Identifier: CC-BY-SA-4.0
% sitar plays a slow melody over a drone (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "sitar" } { \time 4/4 \key c \major \clef treble \relative c' { e8 f gis a h4 c8 h a gis f e f gis a2 gis8 f e1 } }
  \new Staff \with { midiInstrument = "sitar" } { \time 4/4 \key c \major \clef bass \relative c { <e h'>1~ <e h'>1~ <e h'>1~ <e h'>1 } }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
