// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/hostile.h"

#include <zlib.h>

#include <cstring>
#include <vector>

namespace testing_support {
namespace {

void Be32(std::string& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<char>((v >> s) & 255));
}

void Chunk(std::string& out, const char* type, const std::string& data) {
  Be32(out, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  out += body;
  Be32(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
}

uint32_t OggCrc(const unsigned char* p, size_t n) {
  static uint32_t table[256];
  static bool ready = false;
  if (!ready) {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t r = i << 24;
      for (int k = 0; k < 8; ++k) r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
      table[i] = r;
    }
    ready = true;
  }
  uint32_t crc = 0;
  for (size_t i = 0; i < n; ++i) crc = (crc << 8) ^ table[((crc >> 24) ^ p[i]) & 255];
  return crc;
}

struct Seite {
  size_t start, laenge, koerper;  // whole page, offset of its body
};

std::vector<Seite> Seiten(const std::string& ogg) {
  std::vector<Seite> seiten;
  const auto* b = reinterpret_cast<const unsigned char*>(ogg.data());
  size_t i = 0;
  while (i + 27 <= ogg.size() && std::memcmp(b + i, "OggS", 4) == 0) {
    const size_t segmente = b[i + 26];
    if (i + 27 + segmente > ogg.size()) break;
    size_t laenge = 27 + segmente;
    for (size_t k = 0; k < segmente; ++k) laenge += b[i + 27 + k];
    if (i + laenge > ogg.size()) break;
    seiten.push_back({i, laenge, i + 27 + segmente});
    i += laenge;
  }
  return seiten;
}

void NeueCrc(std::string& ogg, const Seite& s) {
  auto* b = reinterpret_cast<unsigned char*>(ogg.data());
  std::memset(b + s.start + 22, 0, 4);
  const uint32_t crc = OggCrc(b + s.start, s.laenge);
  for (int k = 0; k < 4; ++k) b[s.start + 22 + k] = static_cast<unsigned char>((crc >> (8 * k)) & 255);
}

}  // namespace

std::string SchwarzesPng(uint32_t w, uint32_t h, bool rgba) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  std::string ihdr;
  Be32(ihdr, w);
  Be32(ihdr, h);
  ihdr += rgba ? std::string("\x08\x06\x00\x00\x00", 5) : std::string("\x01\x00\x00\x00\x00", 5);
  Chunk(png, "IHDR", ihdr);
  // The rows (filter byte 0, then zero bytes) deflated row by row.
  const size_t zeile = 1 + (rgba ? size_t(w) * 4 : (size_t(w) + 7) / 8);
  std::vector<unsigned char> roh(zeile, 0);
  z_stream z{};
  deflateInit(&z, Z_BEST_SPEED);
  std::string idat;
  std::vector<unsigned char> puffer(1 << 16);
  for (uint32_t y = 0; y <= h; ++y) {
    const bool ende = y == h;
    z.next_in = roh.data();
    z.avail_in = ende ? 0 : static_cast<uInt>(zeile);
    do {
      z.next_out = puffer.data();
      z.avail_out = static_cast<uInt>(puffer.size());
      deflate(&z, ende ? Z_FINISH : Z_NO_FLUSH);
      idat.append(reinterpret_cast<char*>(puffer.data()), puffer.size() - z.avail_out);
    } while (z.avail_out == 0);
  }
  deflateEnd(&z);
  Chunk(png, "IDAT", idat);
  Chunk(png, "IEND", "");
  return png;
}

std::string JpegKopf(uint32_t w, uint32_t h) {
  std::string j("\xFF\xD8", 2);
  j += std::string("\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 18);
  j += std::string("\xFF\xC0\x00\x0B\x08", 5);
  j.push_back(static_cast<char>((h >> 8) & 255));
  j.push_back(static_cast<char>(h & 255));
  j.push_back(static_cast<char>((w >> 8) & 255));
  j.push_back(static_cast<char>(w & 255));
  j += std::string("\x01\x01\x11\x00", 4);
  j += std::string("\xFF\xD9", 2);
  return j;
}

std::string BmpKopf(int32_t w, int32_t h) {
  auto le32 = [](std::string& o, uint32_t v) {
    for (int s = 0; s < 32; s += 8) o.push_back(static_cast<char>((v >> s) & 255));
  };
  std::string b("BM", 2);
  le32(b, 54);
  le32(b, 0);
  le32(b, 54);
  le32(b, 40);
  le32(b, static_cast<uint32_t>(w));
  le32(b, static_cast<uint32_t>(h));
  b += std::string("\x01\x00\x18\x00", 4);
  for (int i = 0; i < 6; ++i) le32(b, 0);
  return b;
}

std::string OggMitRate(const std::string& ogg, uint32_t rate) {
  std::string out = ogg;
  auto seiten = Seiten(out);
  if (seiten.empty()) return out;
  const Seite& s = seiten.front();
  // identification packet: 1, "vorbis", version (4), channels (1), rate (4, LE)
  const size_t at = s.koerper + 12;
  if (at + 4 > s.start + s.laenge) return out;
  for (int k = 0; k < 4; ++k) out[at + k] = static_cast<char>((rate >> (8 * k)) & 255);
  NeueCrc(out, s);
  return out;
}

std::string OggKette(const std::string& ogg, int n) {
  std::string out;
  const auto seiten = Seiten(ogg);
  for (int i = 0; i < n; ++i) {
    std::string kopie = ogg.substr(0, seiten.empty() ? 0 : seiten.back().start + seiten.back().laenge);
    for (const Seite& s : seiten) {
      const uint32_t serial = 0x5A000000u + static_cast<uint32_t>(i);
      for (int k = 0; k < 4; ++k) kopie[s.start + 14 + k] = static_cast<char>((serial >> (8 * k)) & 255);
      NeueCrc(kopie, s);
    }
    out += kopie;
  }
  return out;
}

}  // namespace testing_support
