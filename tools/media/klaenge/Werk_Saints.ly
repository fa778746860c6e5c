% SPDX-License-Identifier: CC-BY-SA-4.0
% »When the Saints Go Marching In« (traditional spiritual): trumpet and tuba.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "trumpet" } {
      \clef treble \time 4/4
      r4 c'' e'' f'' | g''1 | r4 c'' e'' f'' | g''1 | r4 c'' e'' f'' | g''2 e''2 | c''2 e''2 | d''1
    }
    \new Staff \with { midiInstrument = "tuba" } {
      \clef bass \time 4/4
      c,4 g,, c, g,, | c, g,, c, g,, | c, g,, c, g,, | c, g,, c, g,, | c, g,, c, g,, | c, g,, c, g,, | c, g,, c, g,, | g,,4 d, g,,2
    }
  >>
  \midi { \tempo 4 = 160 }
}
