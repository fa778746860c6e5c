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

int SpielTon(int slot, float lautstaerke, const u16& datei);
