% SPDX-License-Identifier: CC-BY-SA-4.0
% eigene Melodie über einer gebrochenen Begleitung tief-hoch-mitte-hoch
\include "stil.ily"

\score {
  \new PianoStaff <<
    \new Staff \with { midiInstrument = "acoustic grand" } { \clef "treble" \key c \major \time 4/4
      e''2 d''4 c'' | h'2 c''2 \bar "|."
    }
    \new Staff \with { midiInstrument = "acoustic grand" } { \clef "bass" \key c \major \time 4/4
      c8 g e g c g e g | d g f g c g e g \bar "|."
    }
  >>
  \layout { }
  \midi { \tempo 4 = 96 }
}
