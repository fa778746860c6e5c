// SPDX-License-Identifier: GPL-3.0-or-later
// OGG Vorbis: probing the headers, decoding (capped as the game caps it) and
// converting to the mixing rate.
#include <string>

#include "platform/audio/decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  audio::detail::StreamInfo info;
  if (!audio::detail::ProbeVorbis(bytes, info)) return 0;
  int rate = 0;
  std::vector<float> pcm = audio::detail::DecodeVorbis(bytes, size_t(5) * 48000, rate);
  if (rate > 0) audio::detail::ResampleStereo(pcm, rate, 48000);
  return 0;
}
