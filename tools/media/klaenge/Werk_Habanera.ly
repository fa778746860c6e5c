% SPDX-License-Identifier: CC-BY-SA-4.0
% The Habanera »L'amour est un oiseau rebelle« from »Carmen«: violin over the habanera bass.
% Our own arrangement; G. Bizet (d. 1875).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "violin" } {
      \clef treble \time 2/4
      r2 | r2 | d''4 cis''8. c''16~ | c''8 h'8 b'8. a'16~ | a'8 as'8 g'8 f'8 | e'4 r4
    }
    \new Staff \with { midiInstrument = "cello" } {
      \clef bass \time 2/4
      \repeat unfold 6 { d8. d16 a,8 f8 }
    }
  >>
  \midi { \tempo 4 = 72 }
}
