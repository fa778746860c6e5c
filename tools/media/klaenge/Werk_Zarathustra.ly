% SPDX-License-Identifier: CC-BY-SA-4.0
% The sunrise that opens »Also sprach Zarathustra«: trumpet, organ, timpani.
% Our own arrangement; R. Strauss (d. 1949).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "trumpet" } {
      \clef treble \time 4/4
      c'1 | g'1 | c''1 | <c'' e''>8 <c'' es''>2.. | r1
    }
    \new Staff \with { midiInstrument = "church organ" } {
      \clef bass \time 4/4
      c,,1~ | c,,1~ | c,,1~ | c,,1~ | c,,1
    }
    \new Staff \with { midiInstrument = "timpani" } {
      \clef bass \time 4/4
      r1 | r1 | r1 | r1 | c8 g, c g, c g, c4
    }
  >>
  \midi { \tempo 4 = 96 }
}
