% SPDX-License-Identifier: CC-BY-SA-4.0
% flute plays the »Ode an die Freude« theme (L. van Beethoven, d. 1827)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "flute" } { \time 4/4 \key c \major \clef treble \relative c'' { e4 e f g g f e d c c d e e4. d8 d2 \bar "|." } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
