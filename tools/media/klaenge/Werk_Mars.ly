% SPDX-License-Identifier: CC-BY-SA-4.0
% The 5/4 ostinato of »Mars« from »Die Planeten«: strings and timpani, horns above.
% Our own arrangement; G. Holst (d. 1934).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "string ensemble 1" } {
      \clef bass \time 5/4
      \repeat unfold 5 { \tuplet 3/2 { g,8 g, g, } g,4 g, g,8 g, g,4 }
    }
    \new Staff \with { midiInstrument = "timpani" } {
      \clef bass \time 5/4
      \repeat unfold 5 { \tuplet 3/2 { g,8 g, g, } g,4 g, g,8 g, g,4 }
    }
    \new Staff \with { midiInstrument = "french horn" } {
      \clef treble \time 5/4
      r1 r4 | r1 r4 | <g d'>1~ <g d'>4 | <g d'>1~ <g d'>4 | <g d'>1~ <g d'>4
    }
  >>
  \midi { \tempo 4 = 160 }
}
