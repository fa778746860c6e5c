% SPDX-License-Identifier: CC-BY-SA-4.0
% piano alone with full chords (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \key c \major \clef treble \relative c'' { <c e g c>2 <c f a c> <h d g h> <c e g c> <a c f a> <h d g h> <c e g c>1 } }
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \key c \major \clef bass \relative c { <c c'>2 <f f'> <g g'> <e e'> <f f'> <g g'> <c, c'>1 } }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
