// SPDX-License-Identifier: GPL-3.0-or-later
// Internal pieces shared by the renderer's source files.
#pragma once
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/draw/draw.h"

namespace draw::detail {

inline bool SizeAcceptable(uint64_t w, uint64_t h) { return PictureSizeAcceptable(w, h); }

inline uint32_t Pack(uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return (a << 24) | (r << 16) | (g << 8) | b; }
// Exact rounding division by 255 for 0 <= x <= 65535.
inline uint32_t Div255(uint32_t x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}
uint32_t Premultiply(uint32_t argb);
uint32_t Unpremultiply(uint32_t argb);

PixmapPtr DecodePng(const std::string& bytes);
PixmapPtr DecodeJpeg(const std::string& bytes);
PixmapPtr DecodeBmp(const std::string& bytes);

// A premultiplied pixel block.
struct Block {
  int w = 0, h = 0;
  bool opaque = false;  // every pixel has alpha 255
  std::vector<uint32_t> px;
};

// The drawable image: premultiplied pixels and scaled copies. An image made
// from a file's bytes decodes them on first use and may drop its pixels again.
class ImageImpl final : public Image, public std::enable_shared_from_this<ImageImpl> {
 public:
  explicit ImageImpl(const Pixmap& p);
  ImageImpl(std::string encoded, int w, int h);
  int Width() const override;
  int Height() const override;
  void Prefetch() override;
  void DropCaches() override;
  void DropScaledCopies() override;
  size_t CachedBytes() const override;

  // Decodes the pixels if needed; false when they cannot be decoded.
  bool Ready() const;
  // Ready(), unless a scaled copy makes the pixels unnecessary (background thread).
  void Warm() const;
  // The unscaled pixels; call Ready() first.
  const Block& Premultiplied() const { return pm_; }
  // The image resampled to dw x dh device pixels, of which only the window
  // (wx, wy, ww, wh) is computed. Recently used results of the current
  // canvas sizes are kept. Call Ready() first; the result stays valid until
  // the next call on this image from the drawing thread.
  const Block& Scaled(int dw, int dh, int wx, int wy, int ww, int wh) const;

 private:
  struct Entry {
    int dw, dh, wx, wy, ww, wh;
    unsigned epoch;
    Block block;
  };
  bool DecodeLocked() const;  // under m_
  mutable std::mutex m_;
  std::string encoded_;            // empty for images made from pixels
  int w_ = 0, h_ = 0;
  mutable bool decoded_ = false;
  mutable bool broken_ = false;
  mutable Block pm_;
  mutable std::list<Entry> cache_;
};

// Surfaces that change size start a new epoch: scaled copies made for the old
// sizes are dropped once the image is drawn at a new size.
void NewScaleEpoch();

// One rasterised glyph: 8-bit coverage rows.
struct Glyph {
  int w = 0, h = 0;
  int left = 0, top = 0;  // bitmap offset from the pen on the baseline (top is upwards)
  bool visible = false;
  std::vector<uint8_t> cov;
};

class FontImpl;
FontImpl* ToImpl(Font* f);  // nullptr for fonts not made by Font::Load
// Glyph of code point cp for a font rasterised at pw x ph pixels; nullptr when
// the font has no such glyph.
const Glyph* GlyphAt(FontImpl& f, uint32_t cp, int pw, int ph);
int FontAscender(const FontImpl& f);
// Nominal advance in pixels of each character of text (0 for line feeds).
void Advances(FontImpl& f, const std::u16string& text, std::vector<uint32_t>& cps, std::vector<int>& adv);

}  // namespace draw::detail
