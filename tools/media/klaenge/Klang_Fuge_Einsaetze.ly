% SPDX-License-Identifier: CC-BY-SA-4.0
% church organ: an own fugue subject enters in alto, soprano (on the dominant) and bass
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 \key c \major \clef treble
    r1 | g'8 h' d'' g'' fis'' e'' d''4 | e''4 g'' f'' d'' | e''1 }
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 \key c \major \clef treble
    c'8 e' g' c'' h' a' g'4 | h2 a4 h | g'2 f'4 h' | c''1 }
  \new Staff \with { midiInstrument = "church organ" } { \time 4/4 \key c \major \clef bass
    r1 | r1 | c8 e g c' h a g4 | c1 }
  >>
  \midi { \tempo 4 = 80 \context { \Score midiChannelMapping = #'instrument } }
}
