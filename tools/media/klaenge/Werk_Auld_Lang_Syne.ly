% SPDX-License-Identifier: CC-BY-SA-4.0
% »Auld Lang Syne« (Scottish traditional): first line, strings.
% Our own arrangement; traditional.
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "violin" } {
      \clef treble \time 4/4
      \partial 4 c'4 | f'4. f'8 f'4 a' | g'4. f'8 g'4 a'8 g' | f'4. f'8 a'4 c'' | d''2.
    }
    \new Staff \with { midiInstrument = "string ensemble 1" } {
      \clef bass \time 4/4
      \partial 4 r4 | <f a c'>1 | <e g c'>1 | <f a c'>1 | <d f b>2.
    }
  >>
  \midi { \tempo 4 = 84 }
}
