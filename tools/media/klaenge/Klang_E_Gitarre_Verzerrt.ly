% SPDX-License-Identifier: CC-BY-SA-4.0
% distorted electric guitar plays a riff of fifths (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "distortion guitar" } { \time 4/4 \key c \major \clef treble_8 \relative c { <e h'>4 <g d'> <a e'>4. r8 <e h'>4 <g d'> <b f'>8 <a e'>2 r8 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
