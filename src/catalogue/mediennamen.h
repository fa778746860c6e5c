// SPDX-License-Identifier: GPL-3.0-or-later
// The names under which pictures and clips are looked for. The game, the
// question editor and the build tool of the shipped question files all use
// these, so that what the build accepts is what the game finds.
#pragma once
#include <string>

// A picture name as it is loaded: a name ending in ".GIF" (any letter case)
// names the PNG of the same name ("x.gif" -> "x.PNG").
std::u16string MedienBildName(const std::u16string& name);

// A clip name as it is loaded: a name ending in ".WAV" (any letter case)
// names the OGG clip of the same name ("x.wav" -> "x.OGG").
std::u16string MedienKlangName(const std::u16string& name);

// The picture of one character of a Musical line: "Musical" + its decimal
// character code + ".png" ('G' -> "Musical71.png"), in the archive's Musical/.
std::u16string MusicalBildName(char16_t zeichen);
