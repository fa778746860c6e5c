% SPDX-License-Identifier: CC-BY-SA-4.0
% nylon-string guitar plays »Greensleeves« (traditional)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic guitar (nylon)" } { \time 6/8 \key a \minor \clef treble \time 6/8 \relative c'' { \partial 8 a8 c4 d8 e8. f16 e8 d4 h8 g8. a16 h8 c4 a8 a8. gis16 a8 h4 gis8 e4 } }
  \new Staff \with { midiInstrument = "acoustic guitar (nylon)" } { \time 6/8 \key a \minor \clef bass \time 6/8 \relative c { \partial 8 r8 a4. a4. g4. g4. f4. f4. e4. e4 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
