% SPDX-License-Identifier: CC-BY-SA-4.0
% The chord that opens »Tristan und Isolde« (R. Wagner, d. 1883) and its
% resolution: f h dis' gis', the top voice rising gis' a' ais' h' into E7.
\include "stil.ily"
\score {
  \new Staff \with { midiInstrument = "string ensemble 1" } {
    \clef treble \time 6/8
    << { gis'4. a'4 ais'8 } \\ { <f h dis'>2. } >> | <e gis d' h'>2. \bar "|."
  }
  \layout { }
  \midi { \tempo 4. = 30 }
}
