// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile files made at run time: pictures whose headers claim huge sizes
// (but that compress to almost nothing), truncated pictures, OGG streams with
// a patched sample rate, and very long OGG streams chained from a short one.
#pragma once
#include <cstdint>
#include <string>

namespace testing_support {

// A real PNG of w x h pixels, every pixel black. rgba: 8-bit RGBA (what a
// photo export writes), else 1-bit grey (the smallest file for a huge size).
std::string SchwarzesPng(uint32_t w, uint32_t h, bool rgba);

// A JPEG header (start of image, a baseline frame header of w x h, end of
// image): what a decoder reads before it allocates anything.
std::string JpegKopf(uint32_t w, uint32_t h);
// A BMP header with its file header, 24 bits per pixel, and no pixels.
std::string BmpKopf(int32_t w, int32_t h);

// The OGG Vorbis stream with the sample rate in its identification header
// replaced (page checksum mended, so only the rate is wrong).
std::string OggMitRate(const std::string& ogg, uint32_t rate);
// n copies of an OGG Vorbis stream chained one after the other, each with a
// serial number of its own: one valid stream n times as long.
std::string OggKette(const std::string& ogg, int n);

}  // namespace testing_support
