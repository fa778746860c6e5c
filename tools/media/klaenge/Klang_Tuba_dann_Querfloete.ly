% SPDX-License-Identifier: CC-BY-SA-4.0
% the same short tune on tuba, then on flute (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "tuba" } { \time 4/4 \clef bass \relative c { c4 e g e c2 r2 r1 r1 } }
  \new Staff \with { midiInstrument = "flute" } { \time 4/4 \relative c'' { r1 r1 c4 e g e c2 r2 } }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
