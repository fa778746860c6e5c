% SPDX-License-Identifier: CC-BY-SA-4.0
% One look for every notation picture: staff size, no titles, no bar numbers.
\version "2.24.0"
#(set-global-staff-size 22)
\paper {
  indent = 0
  ragged-right = ##t
  ragged-last = ##t
  tagline = ##f
  print-page-number = ##f
  line-width = 110\mm
}
\layout {
  \context { \Score \remove "Bar_number_engraver" }
}
