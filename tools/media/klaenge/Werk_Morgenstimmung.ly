% SPDX-License-Identifier: CC-BY-SA-4.0
% »Morgenstimmung« from the »Peer Gynt« music: the flute's opening over held strings.
% Our own arrangement; E. Grieg (d. 1907).
\include "../noten/stil.ily"
\score {
  <<
    \new Staff \with { midiInstrument = "flute" } {
      \clef treble \time 6/8
      gis''8 e'' dis'' cis'' dis'' e'' | gis'' e'' dis'' cis'' dis''16 e'' dis'' e'' | gis''8 e'' gis'' a'' e'' a'' | gis'' e'' dis'' cis''4.
    }
    \new Staff \with { midiInstrument = "string ensemble 1" } {
      \clef bass \time 6/8
      <e gis h>2. | <e gis h>2. | <e gis h>4. <e a cis'>4. | <e gis h>2.
    }
  >>
  \midi { \tempo 4. = 56 }
}
