% SPDX-License-Identifier: CC-BY-SA-4.0
% harpsichord plays an own lively dance in 6/8
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "harpsichord" } { \time 6/8 \key g \major \clef treble
    d''8 h' g' g'' fis'' e'' | d'' c'' h' a'4 d'8 | h'8 c'' d'' e'' fis'' g'' | a'' fis'' d'' g''4. }
  \new Staff \with { midiInstrument = "harpsichord" } { \time 6/8 \key g \major \clef bass
    g4. h,4. | d4. d,4. | g4. c4. | d4. g,4. }
  >>
  \midi { \tempo 4. = 92 \context { \Score midiChannelMapping = #'instrument } }
}
