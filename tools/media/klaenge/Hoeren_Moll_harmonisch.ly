% SPDX-License-Identifier: CC-BY-SA-4.0
% piano, A harmonic minor up a h c' d' e' f' gis' a', the tonic held (own)
\include "../noten/stil.ily"
\score {
  <<
  \new Staff \with { midiInstrument = "acoustic grand" } { \time 4/4 a4\mf h c' d' | e' f' gis' a'~ | a'1 }
  >>
  \midi { \tempo 4 = 100 \context { \Score midiChannelMapping = #'instrument } }
}
