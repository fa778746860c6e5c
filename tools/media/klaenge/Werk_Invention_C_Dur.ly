% SPDX-License-Identifier: CC-BY-SA-4.0
% The beginning of the two-part invention no. 1 in C major BWV 772, harpsichord.
% Our own arrangement; J. S. Bach (d. 1750).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "harpsichord" } {
      \clef treble \time 4/4
      r16 c' d' e' f' d' e' c' g'8 c'' h' c'' | d''16 g' a' h' c'' a' h' g' d''8 g'' f'' g'' | e''4
    }
    \new Staff \with { midiInstrument = "harpsichord" } {
      \clef bass \time 4/4
      r2 r16 c d e f d e c | g8 g, r4 r16 g a h c' a h g | c'4
    }
  >>
  \midi { \tempo 4 = 72 }
}
