% SPDX-License-Identifier: CC-BY-SA-4.0
% One look for every notation picture: include it first in every noten/*.ly
% and klaenge/*.ly. German note names (c d e f g a h, b = b flat, cis, es).
\version "2.24.0"
\language "deutsch"
#(set-global-staff-size 20)
\paper {
  indent = 0
  ragged-right = ##t
  tagline = ##f
  line-width = 60\mm
  print-page-number = ##f
}
\layout {
  \context {
    \Score
    \remove "Bar_number_engraver"
  }
}
