% SPDX-License-Identifier: CC-BY-SA-4.0
% piano: repeated chords, soft to loud (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 \key c \major \clef treble \relative c' { <c e g>8\ppp\< q q q q q q q <c f a> q q q q q q q <h d g> q q q q q q q <c e g>2\fff r2 } }
  >>
  \midi { \tempo 4 = 120 \context { \Score midiChannelMapping = #'instrument } }
}
