// SPDX-License-Identifier: GPL-3.0-or-later
// Sound playback of the quiz: announcement sounds, jingles, question clips.
#pragma once
#include <array>
#include <string>

#include "platform/audio/audio.h"

using u16 = std::u16string;

inline std::array<audio::SoundPtr, 40> Ton;
inline std::array<audio::ChannelPtr, 40> Kanal;
inline std::array<int, 40> KanalAktiv{};
inline std::array<float, 40> TonLautstaerke{};

// Plays the sound of a slot. A question clip (a file name, slot 0) is read
// and decoded in the background: SpielTon returns at once, Ton[0] holds the
// clip once it is loaded, and the channel in Kanal[0] starts sounding then,
// at the volume last set on it (0 after an answer: it stays silent).
int SpielTon(int slot, float lautstaerke, const u16& datei);
// Waits until the question clip asked for last is loaded (tests, tools).
void WarteAufFragenTon();
