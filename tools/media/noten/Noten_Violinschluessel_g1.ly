% SPDX-License-Identifier: CC-BY-SA-4.0
% Treble clef with the note g' on the second line, one bar.
\include "stil.ily"
\score {
  { \clef treble \time 4/4 g'1 \bar "|." }
  \layout { }
}
