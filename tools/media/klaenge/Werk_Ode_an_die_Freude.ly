% SPDX-License-Identifier: CC-BY-SA-4.0
% The theme of the "Ode an die Freude" (L. van Beethoven, d. 1827), our own
% setting for piano: melody over plain half-note chords.
\include "../noten/stil.ily"
\score {
  \new PianoStaff <<
    \new Staff \with { midiInstrument = "acoustic grand" } \relative c'' {
      \time 4/4
      fis4 fis g a | a g fis e | d d e fis | fis4. e8 e2 |
    }
    \new Staff \with { midiInstrument = "acoustic grand" } \relative c {
      \clef bass
      <d a'>2 <d a'> | <cis a'> <a a'> | <d a'> <g, g'> | <a g'> <a e'> |
    }
  >>
  \midi { \tempo 4 = 120 }
}
