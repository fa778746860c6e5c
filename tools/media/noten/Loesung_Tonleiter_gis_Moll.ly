% SPDX-License-Identifier: CC-BY-SA-4.0
% Vorzeichen von gis-Moll, Lösung mit Tonleiter
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key gis \minor \omit Staff.TimeSignature \cadenzaOn
    gis'4^\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "gis-Moll" ais' h' cis'' \bar "" \break dis'' e'' fis'' gis'' s8
  }
  \layout { }
}
