// SPDX-License-Identifier: GPL-3.0-or-later
// OGG Vorbis decoding from memory and sample-rate conversion. Everything here
// works on stereo interleaved float frames.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace audio::detail {

struct StreamInfo {
  int rate = 0;
  int channels = 0;
  double seconds = 0;  // 0 when the length is unknown (damaged end)
};

// Reads the stream headers; false when the bytes are no usable Vorbis stream
// (also when the rate lies outside 8000..192000 Hz).
bool ProbeVorbis(const std::string& bytes, StreamInfo& info);

// Decodes the whole stream (at most maxFrames frames) to stereo at the file's
// rate: mono is doubled, more channels are folded down. A damaged stream gives
// what could be decoded before the damage. `rate` receives the file's rate
// (0 when nothing could be opened).
std::vector<float> DecodeVorbis(const std::string& bytes, size_t maxFrames, int& rate);

// Windowed-sinc rate conversion of stereo frames from one rate to another.
std::vector<float> ResampleStereo(const std::vector<float>& in, int from, int to);
// The same, taking the samples over (they are freed as soon as they have been
// read) and giving 16-bit samples (see Pcm); no resampling when from == to.
std::vector<int16_t> ResampleToPcm(std::vector<float> in, int from, int to);
// DecodeVorbis and ResampleToPcm in one pass, with the same samples as a
// result: the stream is converted while it is decoded, so that neither the
// whole stream as float nor its planar copies are ever held.
std::vector<int16_t> DecodeVorbisToPcm(const std::string& bytes, size_t maxFrames, int to, int& rate);

}  // namespace audio::detail
