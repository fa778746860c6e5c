% SPDX-License-Identifier: CC-BY-SA-4.0
% Bindebogen über verschiedenen Tönen
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \omit Staff.TimeSignature \cadenzaOn
    s8 c''4( d'' e'' f'') s4
  }
  \layout { }
}
