// SPDX-License-Identifier: GPL-3.0-or-later
// Our software 2D renderer: drawing surfaces with a persistent drawing state,
// images (PNG, JPEG, BMP) from files or archive entries, image fonts rendered
// from TrueType/OpenType through FreeType, and plain pixmaps.
//
// Coordinates are the canvas's logical pixels. A surface may have a device
// scale (2 on a 200 % desktop): it then holds device pixels and every drawing
// operation is carried out at device resolution, so output stays crisp.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace draw {

using u16 = std::u16string;

// Largest picture the decoders accept: at most 4096 pixels on each side and
// 16 megapixels in all (a 4096 x 4096 picture decodes to 64 MB). Larger ones
// are refused from their header, before anything is decoded.
constexpr int kMaxPictureSide = 4096;
constexpr uint64_t kMaxPicturePixels = uint64_t(16) << 20;
inline bool PictureSizeAcceptable(uint64_t w, uint64_t h) {
  return w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide && w * h <= kMaxPicturePixels;
}

// What the header of a picture file says, read without decoding it.
struct PictureHeader {
  enum Kind { None, Png, Jpeg, Bmp } kind = None;
  uint64_t width = 0, height = 0;  // 0 when the header could not be read
};
PictureHeader ReadPictureHeader(const std::string& bytes);

// A plain pixel buffer, 32-bit 0xAARRGGBB per pixel, not premultiplied, rows
// top to bottom.
class Pixmap {
 public:
  Pixmap() = default;
  Pixmap(int w, int h, uint32_t fill = 0);
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

  // Loads PNG, JPEG or BMP (by content, not by name); nullptr when the file is
  // missing or not a readable picture.
  static std::shared_ptr<Pixmap> Load(const u16& path);
  static std::shared_ptr<Pixmap> Decode(const std::string& bytes);
  // Writes a PNG (tests and tools); false on failure.
  bool SavePng(const std::string& nativePath) const;
};
using PixmapPtr = std::shared_ptr<Pixmap>;

// A picture ready to be drawn: premultiplied pixels plus caches for drawing.
class Image {
 public:
  virtual ~Image() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Decoded at once; nullptr when the file is missing or not a readable picture.
  static std::shared_ptr<Image> Load(const u16& path);
  // For pictures that stay loaded for the whole run: the file is read now and
  // only its header checked (nullptr when missing or no picture); the pixels
  // are decoded when first drawn, or earlier on the background thread by
  // Prefetch. A picture whose data turns out to be damaged draws nothing and
  // then reports the size 0 x 0, like a missing one.
  static std::shared_ptr<Image> LoadDeferred(const u16& path);
  static std::shared_ptr<Image> FromPixmap(const Pixmap& p);
  // Has the pixels decoded on the background thread (nothing when they are).
  virtual void Prefetch() = 0;
  // Frees the scaled copies and, where the file's bytes allow decoding them
  // again, the decoded pixels; the next draw makes them anew.
  virtual void DropCaches() = 0;
  // Frees the scaled copies only.
  virtual void DropScaledCopies() = 0;
  // Decoded pixels held, in bytes (scaled copies included).
  virtual size_t CachedBytes() const = 0;
};
using ImagePtr = std::shared_ptr<Image>;
// Blocks until the background thread has decoded every picture asked for.
void WaitForPrefetch();

// Font style flags.
enum FontStyle { Bold = 1, Smooth = 4 };

// An image font: one face at one pixel size, bold and anti-aliasing by flags.
class Font {
 public:
  virtual ~Font() = default;
  // nullptr when the file cannot be read or is no font.
  static std::shared_ptr<Font> Load(const u16& path, int pixelSize, int style);
  virtual int Size() const = 0;
  // Unscaled width of a text: the sum of the advances (with kerning where the
  // font has a kerning table). Line feeds and other control characters have no
  // width; a character the font lacks advances by the font's .notdef advance.
  virtual int TextWidth(const u16& text) = 0;
  // The font's line height (ascender - descender), the same for every text.
  virtual int TextHeight(const u16& text) = 0;
};
using FontPtr = std::shared_ptr<Font>;

// Alpha: the source, tinted and multiplied by the alpha, is laid over the
// destination. Solid: no blending; the tinted source colour replaces the
// destination wherever the source pixel is at least half covered, alpha ignored.
enum class Blend { Solid, Alpha };

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

// A drawing surface with its drawing state. State set by one operation stays
// in force for the next, also across frames.
class Surface {
 public:
  Surface();
  ~Surface();
  // Logical size and device scale; resizing keeps the state, clears pixels.
  void Resize(int logicalWidth, int logicalHeight, double deviceScale = 1.0);
  int Width() const { return width_; }
  int Height() const { return height_; }
  double DeviceScale() const { return deviceScale_; }
  int DeviceWidth() const;
  int DeviceHeight() const;
  // Device pixels, 0xAARRGGBB premultiplied-opaque (alpha is always 255 after Cls).
  const uint32_t* Pixels() const;
  uint32_t* Pixels();

  // Drawing state
  void SetColor(int r, int g, int b);
  void SetAlpha(float a);
  void SetBlend(Blend b);
  Blend CurrentBlend() const;
  void SetScale(float sx, float sy);
  void SetFont(FontPtr f);
  void SetViewport(int x, int y, int w, int h);  // clipping, logical pixels
  void ResetViewport();
  Rect Viewport() const;  // the whole surface when none is set
  void SetClsColor(int r, int g, int b);
  int ColorR() const;
  int ColorG() const;
  int ColorB() const;
  float Alpha() const;
  float ScaleX() const;
  float ScaleY() const;
  FontPtr CurrentFont() const;

  // Operations. Positions are logical and not scaled; sizes are multiplied by
  // the scale. Everything is clipped to the viewport.
  void Cls();                                   // whole surface in the clear colour, opaque
  void DrawRect(float x, float y, float w, float h);   // filled; w, h multiplied by the scale
  // Top-left at x, y, scaled around that point with bilinear filtering (area
  // filtering when shrinking), tinted by the colour, multiplied by the alpha.
  // Scaled copies are cached per image while the scale stays the same.
  void DrawImage(const Image& img, float x, float y);
  // Current font, top-left at x, y. Glyphs are rasterised at the effective
  // pixel size (font size x scale x device scale); consecutive glyphs advance
  // by the font's unscaled advances times the scale, so the drawn width is
  // TextWidth x scale.
  void DrawText(const u16& text, float x, float y);
  int TextWidth(const u16& text) const;         // unscaled, current font; 0 without a font
  int TextHeight(const u16& text) const;
  // Logical rectangle of the surface as a pixmap (device pixels averaged back to
  // logical size); the part outside the surface is 0.
  PixmapPtr Grab(int x, int y, int w, int h) const;
  // Counts frames shown; the toolkit's canvas calls the flip handler to present.
  void Flip();
  void SetFlipHandler(std::function<void()> handler);
  int Frames() const;

 private:
  struct State;
  std::unique_ptr<State> s_;
  int width_ = 0, height_ = 0;
  double deviceScale_ = 1.0;
};

// The surface that drawing functions of the game address.
void SetTarget(Surface* s);
Surface* Target();

// Keeps the drawing target and a surface's scale and colour for the time of
// a scope: they are restored when it ends, however it ends.
class SavedState {
 public:
  explicit SavedState(Surface& s)
      : s_(s), target_(Target()), sx_(s.ScaleX()), sy_(s.ScaleY()), r_(s.ColorR()), g_(s.ColorG()), b_(s.ColorB()) {}
  ~SavedState() {
    s_.SetScale(sx_, sy_);
    s_.SetColor(r_, g_, b_);
    SetTarget(target_);
  }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  Surface& s_;
  Surface* target_;
  float sx_, sy_;
  int r_, g_, b_;
};

}  // namespace draw
