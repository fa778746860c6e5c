% SPDX-License-Identifier: CC-BY-SA-4.0
% strings: a tremolo chord that grows louder (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "tremolo strings" } { \time 4/4 \key c \major \clef treble <c e g c'>1\pp\< <c e g c'>1 <d f a d'>1 <c e g c'>1\ff }
  >>
  \midi { \tempo 4 = 90 \context { \Score midiChannelMapping = #'instrument } }
}
