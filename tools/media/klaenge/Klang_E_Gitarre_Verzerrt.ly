% SPDX-License-Identifier: CC-BY-SA-4.0
% Parlavinto clip: distorted electric guitar plays a riff of fifths (own)
\version "2.24.0"

\score {
  <<
  \new Staff \with { midiInstrument = "distortion guitar" } { \time 4/4 \key c \major \clef treble_8 \relative c { <e b'>4 <g d'> <a e'>4. r8 <e b'>4 <g d'> <bes f'>8 <a e'>2 r8 } }
  >>
  \midi { \tempo 4 = 110 \context { \Score midiChannelMapping = #'instrument } }
}
