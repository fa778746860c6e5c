% SPDX-License-Identifier: CC-BY-SA-4.0
% The hymn »Gott erhalte Franz den Kaiser« as in the »Kaiserquartett«: first phrase.
% Our own arrangement; J. Haydn (d. 1809).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "violin" } {
      \clef treble \time 4/4
      g'4. a'8 h'4 a' | c'' h' a'8 fis' g'4
    }
    \new Staff \with { midiInstrument = "viola" } {
      \clef alto \time 4/4
      d'2 d'4 d' | e' d' c' h
    }
    \new Staff \with { midiInstrument = "cello" } {
      \clef bass \time 4/4
      g,4 d4 g4 fis4 | e4 g4 d4 g,4
    }
  >>
  \midi { \tempo 4 = 60 }
}
