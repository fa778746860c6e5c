% SPDX-License-Identifier: CC-BY-SA-4.0
% The opening of the Toccata in d minor BWV 565, organ.
% Our own arrangement; J. S. Bach (d. 1750).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "church organ" } {
      \clef treble \time 4/4
      a''16 g'' a''2 r8 g''32 f'' e'' d'' cis''4. d''2 r4 a'16 g' a'2 r8 g'32 f' e' d' cis'4. d'2
    }
    \new Staff \with { midiInstrument = "church organ" } {
      \clef bass \time 4/4
      r1 r1 r1 r1 r2. <d, d>2
    }
  >>
  \midi { \tempo 4 = 100 }
}
