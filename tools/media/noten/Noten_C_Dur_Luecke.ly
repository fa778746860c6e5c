% SPDX-License-Identifier: CC-BY-SA-4.0
% C-Dur-Tonleiter, ein Ton fehlt
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    c'4 d' e' g' a' h' c'' \bar "|."
  }
  \layout { }
}
