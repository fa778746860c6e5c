% SPDX-License-Identifier: CC-BY-SA-4.0
% The swan theme of »Schwanensee« (oboe over string tremolo).
% Our own arrangement; P. I. Tchaikovsky (d. 1893).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "oboe" } {
      \clef treble \time 4/4
      fis''2 h'8 cis'' d'' e'' | fis''4. d''8 fis''4. d''8 | fis''4. h'8 d'' h' g' d'' | h'1
    }
    \new Staff \with { midiInstrument = "tremolo strings" } {
      \clef bass \time 4/4
      <h, d fis>1 | <h, d fis>1 | <h, d fis>2 <g, h, d>2 | <h, d fis>1
    }
  >>
  \midi { \tempo 4 = 80 }
}
