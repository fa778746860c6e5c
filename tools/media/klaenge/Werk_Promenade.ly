% SPDX-License-Identifier: CC-BY-SA-4.0
% The »Promenade« from »Bilder einer Ausstellung«: trumpet alone, then the brass.
% Our own arrangement; M. Mussorgsky (d. 1881).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "trumpet" } {
      \clef treble \time 5/4
      g'4 f' b' c''8 f'' d''4 | \time 6/4 c''8 f'' d''4 b' c'' g' f' | \time 5/4 r1 r4 | \time 6/4 r1.
    }
    \new Staff \with { midiInstrument = "brass section" } {
      \clef treble \time 5/4
      r1 r4 | r1. | g'4 f' b' c''8 f'' d''4 | c''8 f'' d''4 b' c'' g' f'
    }
    \new Staff \with { midiInstrument = "trombone" } {
      \clef bass \time 5/4
      r1 r4 | r1. | g4 f b c'8 f' d'4 | c'8 f' d'4 b c' g f
    }
  >>
  \midi { \tempo 4 = 110 }
}
