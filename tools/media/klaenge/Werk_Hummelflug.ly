% SPDX-License-Identifier: CC-BY-SA-4.0
% The opening run of »Der Hummelflug« for violin, with a closing chord.
% Our own arrangement; N. Rimsky-Korsakov (d. 1908).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "violin" } {
      \clef treble \time 4/4
      e'''16 dis''' d''' cis''' d''' cis''' c''' h'' c''' h'' b'' a'' gis'' g'' fis'' f'' | e''16 dis'' d'' cis'' d'' cis'' c'' h' c'' h' b' a' gis' g' fis' f' | e'4
    }
    \new Staff \with { midiInstrument = "pizzicato strings" } {
      \clef bass \time 4/4
      r1 | r1 | <a, e a>4
    }
  >>
  \midi { \tempo 4 = 104 }
}
