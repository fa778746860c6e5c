% SPDX-License-Identifier: CC-BY-SA-4.0
% oboe, a short melody in D minor (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "oboe" } { \time 4/4 d'4\mf f' a' f' | g' e' cis' e' | d' a d'2 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
