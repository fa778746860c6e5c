% SPDX-License-Identifier: CC-BY-SA-4.0
% The first four bars of the prelude in C major BWV 846, piano.
% Our own arrangement; J. S. Bach (d. 1750).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef treble \time 4/4
      \repeat unfold 2 { c'16 e' g' c'' e'' g' c'' e'' } \repeat unfold 2 { c'16 d' a' d'' f'' a' d'' f'' } \repeat unfold 2 { h16 d' g' d'' f'' g' d'' f'' } \repeat unfold 2 { c'16 e' g' c'' e'' g' c'' e'' }
    }
  >>
  \midi { \tempo 4 = 80 }
}
