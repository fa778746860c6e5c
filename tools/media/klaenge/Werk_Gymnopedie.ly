% SPDX-License-Identifier: CC-BY-SA-4.0
% The beginning of the first »Gymnopédie«, piano.
% Our own arrangement; E. Satie (d. 1925).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef treble \time 3/4
      r2. | r4 fis''4 a'' | g'' fis'' cis'' | h' cis'' d'' | a'2. | fis'2.
    }
    \new Staff \with { midiInstrument = "acoustic grand" } {
      \clef bass \time 3/4
      g,4 <h d' fis'>2 | d4 <a cis' fis'>2 | g,4 <h d' fis'>2 | d4 <a cis' fis'>2 | g,4 <h d' fis'>2 | d4 <a cis' fis'>2
    }
  >>
  \midi { \tempo 4 = 90 }
}
