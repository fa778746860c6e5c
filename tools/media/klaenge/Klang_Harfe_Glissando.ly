% SPDX-License-Identifier: CC-BY-SA-4.0
% harp: a glissando up and broken chords (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "orchestral harp" } { \time 4/4 \key c \major \clef treble \relative c' { c32 d e f g a h c d e f g a h c d e4 r4 r2 <c,, e g c>2\arpeggio <f a c f>2\arpeggio <g h d g>2\arpeggio <c e g c>1\arpeggio } }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
