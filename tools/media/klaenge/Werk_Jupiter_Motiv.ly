% SPDX-License-Identifier: CC-BY-SA-4.0
% The four-note motif that opens the finale of the symphony no. 41, strings.
% Our own arrangement; W. A. Mozart (d. 1791).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "violin" } {
      \clef treble \time 2/2
      c''1 | d'' | f'' | e'' | <e' c''>1
    }
    \new Staff \with { midiInstrument = "string ensemble 1" } {
      \clef treble \time 2/2
      \repeat unfold 8 { <e' g'>8 } \repeat unfold 8 { <f' a'>8 } \repeat unfold 8 { <f' a'>8 } \repeat unfold 8 { <e' g'>8 } <e' g'>1
    }
    \new Staff \with { midiInstrument = "cello" } {
      \clef bass \time 2/2
      c4 c c c | h, h, h, h, | h, h, h, h, | c c c c | c1
    }
  >>
  \midi { \tempo 2 = 80 }
}
