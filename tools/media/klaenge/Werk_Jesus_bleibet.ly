% SPDX-License-Identifier: CC-BY-SA-4.0
% »Jesus bleibet meine Freude« from the cantata BWV 147: the triplet melody.
% Our own arrangement; J. S. Bach (d. 1750).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "violin" } {
      \clef treble \time 9/8
      g'8 a' h' d'' c'' c'' e'' d'' d'' | g'' fis'' g'' d'' h' g' a' h' c'' | d'' e'' d'' c'' h' a' h' g' fis' | g'4.
    }
    \new Staff \with { midiInstrument = "cello" } {
      \clef bass \time 9/8
      g,4. c4. h,4. | e,4. g,4. a,4. | h,4. c4. d4. | g,4.
    }
  >>
  \midi { \tempo 4. = 66 }
}
