% SPDX-License-Identifier: CC-BY-SA-4.0
% Vorzeichen von Cis-Dur, Lösung mit Tonleiter
\include "stil.ily"
\language "deutsch"

\score {
  \new Staff { \clef "treble" \key cis \major \omit Staff.TimeSignature \cadenzaOn
    cis'4^\markup \with-color #(rgb-color 0.8 0.05 0.05) \fontsize #2 \bold "Cis-Dur" dis' eis' fis' \bar "" \break gis' ais' his' cis'' s8
  }
  \layout { }
}
