// SPDX-License-Identifier: GPL-3.0-or-later
// The software renderer: decoders, blending, clipping, scaling, fonts and the device scale.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cmath>
#include <csetjmp>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "platform/draw/draw.h"
#include "platform/fs/fs.h"

namespace {

using draw::Pixmap;
using draw::Surface;

int R(uint32_t c) { return (c >> 16) & 255; }
int G(uint32_t c) { return (c >> 8) & 255; }
int B(uint32_t c) { return c & 255; }
int A(uint32_t c) { return c >> 24; }

bool Near(uint32_t a, uint32_t b, int tol) {
  return std::abs(A(a) - A(b)) <= tol && std::abs(R(a) - R(b)) <= tol && std::abs(G(a) - G(b)) <= tol &&
         std::abs(B(a) - B(b)) <= tol;
}

std::string Asset(const std::u16string& entry) {
  fs::RegisterEmbeddedArchive();
  auto bytes = fs::ReadAll(fs::EmbeddedRoot() + entry);
  return bytes ? *bytes : std::string();
}

std::u16string FontPath(const char16_t* name) {
  fs::RegisterEmbeddedArchive();
  return fs::EmbeddedRoot() + u"Sonst/" + name;
}

// ---------------------------------------------------------------- PNG encoding for the tests
void PngWriteToString(png_structp png, png_bytep data, png_size_t n) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), n);
}
void PngFlushNone(png_structp) {}

struct PngSpec {
  const char* name;
  int colorType, depth;
  bool interlace;
  std::vector<png_color> palette;
  std::vector<uint8_t> trans;   // palette alphas
  bool grayTrans = false;       // tRNS grey value = first sample
  std::vector<uint8_t> rowData; // one row, repeated for each of 3 rows
  std::vector<uint32_t> expect; // the decoded row
};

std::string EncodePng(const PngSpec& s, int width) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, PngWriteToString, PngFlushNone);
  png_set_IHDR(png, info, width, 3, s.depth, s.colorType, s.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!s.palette.empty()) png_set_PLTE(png, info, s.palette.data(), int(s.palette.size()));
  if (!s.trans.empty()) png_set_tRNS(png, info, s.trans.data(), int(s.trans.size()), nullptr);
  if (s.grayTrans) {
    png_color_16 t{};
    t.gray = s.rowData[0];
    png_set_tRNS(png, info, nullptr, 0, &t);
  }
  png_write_info(png, info);
  std::vector<png_bytep> rows(3, const_cast<png_bytep>(s.rowData.data()));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

TEST(DrawDecode, PngColourTypes) {
  const std::vector<PngSpec> cases = {
      {"grey 8", PNG_COLOR_TYPE_GRAY, 8, false, {}, {}, false, {0, 128, 255}, {0xFF000000, 0xFF808080, 0xFFFFFFFF}},
      {"grey 1 bit", PNG_COLOR_TYPE_GRAY, 1, false, {}, {}, false, {0xA0}, {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}},
      {"grey tRNS", PNG_COLOR_TYPE_GRAY, 8, false, {}, {}, true, {7, 9, 200}, {0x00070707, 0xFF090909, 0xFFC8C8C8}},
      {"grey alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {}, {}, false, {10, 20, 30, 255, 50, 0},
       {0x140A0A0A, 0xFF1E1E1E, 0x00323232}},
      {"rgb 8", PNG_COLOR_TYPE_RGB, 8, false, {}, {}, false, {1, 2, 3, 4, 5, 6, 250, 251, 252},
       {0xFF010203, 0xFF040506, 0xFFFAFBFC}},
      {"rgba 8 interlaced", PNG_COLOR_TYPE_RGB_ALPHA, 8, true, {}, {}, false,
       {255, 0, 0, 128, 0, 255, 0, 255, 0, 0, 255, 0}, {0x80FF0000, 0xFF00FF00, 0x000000FF}},
      {"rgb 16", PNG_COLOR_TYPE_RGB, 16, false, {}, {}, false,
       {0xFF, 0xFF, 0x00, 0x00, 0x80, 0x00, 0, 0, 0, 0, 0, 0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC},
       {0xFFFF0080, 0xFF000000, 0xFF12569A}},
      {"rgba 16", PNG_COLOR_TYPE_RGB_ALPHA, 16, false, {}, {}, false,
       {0xFF, 0xFF, 0, 0, 0, 0, 0x80, 0x00, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0},
       {0x80FF0000, 0xFF0000FF, 0x00000000}},
      {"palette tRNS", PNG_COLOR_TYPE_PALETTE, 8, false, {{10, 20, 30}, {40, 50, 60}}, {0, 200}, false, {1, 0, 1},
       {0xC828323C, 0x000A141E, 0xC828323C}},
      {"palette 4 bit interlaced", PNG_COLOR_TYPE_PALETTE, 4, true, {{1, 1, 1}, {9, 8, 7}, {200, 100, 0}}, {}, false,
       {0x21, 0x00}, {0xFFC86400, 0xFF090807, 0xFF010101}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto p = Pixmap::Decode(EncodePng(c, 3));
    ASSERT_TRUE(p);
    ASSERT_EQ(p->width, 3);
    ASSERT_EQ(p->height, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 3; ++x) EXPECT_EQ(p->At(x, y), c.expect[x]) << x << "," << y;
  }
}

// ---------------------------------------------------------------- JPEG encoding for the tests
std::string EncodeJpeg(int comps, J_COLOR_SPACE space, const std::vector<uint8_t>& pixel, int w, int h) {
  jpeg_compress_struct ci;
  jpeg_error_mgr err;
  ci.err = jpeg_std_error(&err);
  jpeg_create_compress(&ci);
  unsigned char* mem = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&ci, &mem, &size);
  ci.image_width = w;
  ci.image_height = h;
  ci.input_components = comps;
  ci.in_color_space = space;
  jpeg_set_defaults(&ci);
  jpeg_set_quality(&ci, 95, TRUE);
  jpeg_start_compress(&ci, TRUE);
  std::vector<uint8_t> row;
  for (int x = 0; x < w; ++x) row.insert(row.end(), pixel.begin(), pixel.end());
  while (ci.next_scanline < ci.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&ci, &r, 1);
  }
  jpeg_finish_compress(&ci);
  std::string out(reinterpret_cast<char*>(mem), size);
  jpeg_destroy_compress(&ci);
  free(mem);
  return out;
}

TEST(DrawDecode, Jpeg) {
  struct Case {
    const char* name;
    int comps;
    J_COLOR_SPACE space;
    std::vector<uint8_t> pixel;
    uint32_t expect;
  } cases[] = {
      {"grey", 1, JCS_GRAYSCALE, {100}, 0xFF646464},
      {"rgb", 3, JCS_RGB, {200, 40, 90}, 0xFFC8285A},
      // libjpeg marks CMYK files as Adobe ones, whose samples are stored inverted
      {"cmyk", 4, JCS_CMYK, {255, 0, 0, 255}, 0xFFFF0000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto p = Pixmap::Decode(EncodeJpeg(c.comps, c.space, c.pixel, 16, 8));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, 16);
    EXPECT_EQ(p->height, 8);
    EXPECT_TRUE(Near(p->At(5, 3), c.expect, 4)) << std::hex << p->At(5, 3);
  }
}

// ---------------------------------------------------------------- BMP
void Put32(std::string& s, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = char((v >> (8 * i)) & 255);
}
void Put16(std::string& s, size_t at, uint16_t v) {
  s[at] = char(v & 255);
  s[at + 1] = char(v >> 8);
}
std::string Bmp(int w, int h, int bpp, uint32_t compression, const std::vector<uint32_t>& palette,
                const std::vector<uint8_t>& data) {
  std::string s(54, '\0');
  s[0] = 'B', s[1] = 'M';
  Put32(s, 10, uint32_t(54 + palette.size() * 4));
  Put32(s, 14, 40);
  Put32(s, 18, uint32_t(w));
  Put32(s, 22, uint32_t(h));
  Put16(s, 26, 1);
  Put16(s, 28, uint16_t(bpp));
  Put32(s, 30, compression);
  Put32(s, 46, uint32_t(palette.size()));
  for (uint32_t c : palette) s.append({char(c & 255), char((c >> 8) & 255), char((c >> 16) & 255), 0});
  s.append(data.begin(), data.end());
  Put32(s, 2, uint32_t(s.size()));
  return s;
}

TEST(DrawDecode, Bmp) {
  // 24-bit bottom-up 2x2: rows padded to 8 bytes; first stored row is the bottom one.
  auto p = Pixmap::Decode(Bmp(2, 2, 24, 0, {}, {3, 2, 1, 6, 5, 4, 0, 0, 9, 8, 7, 12, 11, 10, 0, 0}));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->At(0, 1), 0xFF010203u);
  EXPECT_EQ(p->At(1, 1), 0xFF040506u);
  EXPECT_EQ(p->At(0, 0), 0xFF070809u);
  // 32-bit top-down with alpha.
  p = Pixmap::Decode(Bmp(2, -1, 32, 0, {}, {1, 2, 3, 128, 4, 5, 6, 255}));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->At(0, 0), 0x80030201u);
  EXPECT_EQ(p->At(1, 0), 0xFF060504u);
  // 32-bit with an all-zero fourth byte is opaque.
  p = Pixmap::Decode(Bmp(1, 1, 32, 0, {}, {1, 2, 3, 0}));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->At(0, 0), 0xFF030201u);
  // 8-bit palette, index beyond the palette reads black.
  p = Pixmap::Decode(Bmp(3, 1, 8, 0, {0x112233, 0xAABBCC}, {1, 0, 7, 0}));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->At(0, 0), 0xFFAABBCCu);
  EXPECT_EQ(p->At(1, 0), 0xFF112233u);
  EXPECT_EQ(p->At(2, 0), 0xFF000000u);
}

std::string PngClaiming(uint32_t w, uint32_t h) {
  std::string s("\x89PNG\r\n\x1a\n", 8);
  std::string chunk("IHDR");
  for (uint32_t v : {w, h}) chunk.append({char(v >> 24), char((v >> 16) & 255), char((v >> 8) & 255), char(v & 255)});
  chunk.append({8, 6, 0, 0, 0});
  uint32_t crc = uint32_t(crc32(0, reinterpret_cast<const Bytef*>(chunk.data()), uInt(chunk.size())));
  s.append({0, 0, 0, 13});
  s += chunk;
  s.append({char(crc >> 24), char((crc >> 16) & 255), char((crc >> 8) & 255), char(crc & 255)});
  return s;
}

TEST(DrawDecode, MalformedDataGivesNothing) {
  const std::string png = Asset(u"Images/Pfeil 1.png");
  ASSERT_GT(png.size(), 1000u);
  const std::string jpeg = EncodeJpeg(3, JCS_RGB, {1, 2, 3}, 64, 64);
  std::string badCrc = png;
  badCrc[40] ^= 0x55;
  std::string absurdBmp = Bmp(2, 2, 24, 0, {}, std::vector<uint8_t>(16, 0));
  Put32(absurdBmp, 18, 1000000000);
  std::string rleBmp = Bmp(2, 2, 8, 1, {0}, std::vector<uint8_t>(8, 0));
  std::string bmp16 = Bmp(2, 2, 16, 0, {}, std::vector<uint8_t>(8, 0));
  std::string shortBmp = Bmp(4, 4, 24, 0, {}, std::vector<uint8_t>(20, 0));
  std::string farOffsetBmp = Bmp(1, 1, 24, 0, {}, {0, 0, 0, 0});
  Put32(farOffsetBmp, 10, 0xFFFFFFF0u);
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += char((i * 7919) >> 3);
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"garbage", garbage},
      {"png signature only", png.substr(0, 8)},
      {"png truncated in the data", png.substr(0, png.size() / 2)},
      {"png without its end", png.substr(0, png.size() - 12)},
      {"png with a damaged chunk", badCrc},
      {"png claiming 100000 x 100000", PngClaiming(100000, 100000)},
      {"png claiming 16384 x 16385", PngClaiming(16384, 16385)},
      {"jpeg truncated", jpeg.substr(0, jpeg.size() / 2)},
      {"jpeg header only", jpeg.substr(0, 20)},
      {"jpeg marker and garbage", std::string("\xFF\xD8\xFF", 3) + garbage},
      {"bmp of absurd width", absurdBmp},
      {"bmp run-length compressed", rleBmp},
      {"bmp 16 bit", bmp16},
      {"bmp shorter than its pixels", shortBmp},
      {"bmp data offset beyond the file", farOffsetBmp},
      {"bmp header only", absurdBmp.substr(0, 30)},
  };
  for (const auto& c : cases) EXPECT_EQ(Pixmap::Decode(c.bytes), nullptr) << c.name;
  EXPECT_EQ(Pixmap::Load(u"/nonexistent/x.png"), nullptr);
  EXPECT_EQ(draw::Image::Load(fs::EmbeddedRoot() + u"Images/missing.png"), nullptr);
}

// Real pictures with bytes flipped, cut or repeated: every result is either
// nothing or a picture within the limits.
TEST(DrawDecode, DamagedRealFilesAreSafe) {
  const std::string sources[] = {Asset(u"Images/Pfeil 3.png"), Asset(u"Images/Counter7.png"),
                                 EncodeJpeg(3, JCS_RGB, {9, 99, 199}, 40, 24),
                                 Bmp(3, 2, 24, 0, {}, std::vector<uint8_t>(24, 77))};
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (const auto& src : sources) {
    ASSERT_TRUE(Pixmap::Decode(src));
    for (int round = 0; round < 150; ++round) {
      std::string bad = src;
      const int edits = 1 + int(next() % 8);
      for (int e = 0; e < edits; ++e) bad[next() % bad.size()] = char(next() >> 24);
      if (round % 3 == 0) bad.resize(next() % bad.size());
      auto p = Pixmap::Decode(bad);
      if (p) {
        EXPECT_GT(p->width, 0);
        EXPECT_EQ(p->pixels.size(), size_t(p->width) * p->height);
      }
    }
  }
}

TEST(DrawDecode, ArchiveAssetAndPngRoundTrip) {
  fs::RegisterEmbeddedArchive();
  auto p = Pixmap::Load(fs::EmbeddedRoot() + u"Images/Pfeil 1.png");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, 810);
  EXPECT_EQ(p->height, 47);
  auto img = draw::Image::Load(fs::EmbeddedRoot() + u"images/pfeil 1.PNG");
  ASSERT_TRUE(img);
  EXPECT_EQ(img->Width(), 810);

  Pixmap q(3, 2, 0xFF102030);
  q.pixels[1] = 0x80FF0000;
  q.pixels[5] = 0;
  const auto path = (std::filesystem::temp_directory_path() / "draw_test_roundtrip.png").string();
  ASSERT_TRUE(q.SavePng(path));
  std::string bytes;
  {
    FILE* f = fopen(path.c_str(), "rb");
    ASSERT_TRUE(f);
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    fclose(f);
  }
  std::filesystem::remove(path);
  auto back = Pixmap::Decode(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pixels, q.pixels);
  EXPECT_FALSE(Pixmap().SavePng(path));
}

// ---------------------------------------------------------------- drawing
struct Canvas {
  Surface s;
  Canvas(int w, int h, double ds = 1, int r = 0, int g = 0, int b = 0) {
    s.SetClsColor(r, g, b);
    s.Resize(w, h, ds);
    s.Cls();
  }
  uint32_t At(int x, int y) const { return s.Pixels()[size_t(y) * s.DeviceWidth() + x]; }
  // Bounding box of pixels different from the background at (0,0).
  draw::Rect Ink(uint32_t bg) const {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
    for (int y = 0; y < s.DeviceHeight(); ++y)
      for (int x = 0; x < s.DeviceWidth(); ++x)
        if (At(x, y) != bg) x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    if (x1 < 0) return {};
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
  }
};

draw::ImagePtr Solid(int w, int h, uint32_t argb) { return draw::Image::FromPixmap(Pixmap(w, h, argb)); }

TEST(DrawBlend, ColourAlphaAndTint) {
  struct Case {
    const char* name;
    uint32_t image;  // 0 = a rectangle
    int r, g, b;
    float alpha;
    draw::Blend blend;
    uint32_t expect;  // over a grey (100, 100, 100) background
  } cases[] = {
      {"rect opaque", 0, 200, 10, 50, 1.f, draw::Blend::Alpha, 0xFFC80A32},
      {"rect half", 0, 200, 100, 50, 0.5f, draw::Blend::Alpha, 0xFF96644B},
      {"rect solid ignores alpha", 0, 200, 100, 50, 0.5f, draw::Blend::Solid, 0xFFC86432},
      {"white image tinted", 0xFFFFFFFF, 255, 128, 0, 1.f, draw::Blend::Alpha, 0xFFFF8000},
      {"image half alpha", 0xFF000000, 255, 255, 255, 0.5f, draw::Blend::Alpha, 0xFF323232},
      {"half transparent image", 0x80FFFFFF, 255, 255, 255, 1.f, draw::Blend::Alpha, 0xFFB1B1B1},
      {"half transparent image tinted, half alpha", 0x80FFFFFF, 0, 255, 0, 0.5f, draw::Blend::Alpha, 0xFF4B8A4B},
      {"solid image drops transparent pixels", 0x40FFFFFF, 255, 255, 255, 1.f, draw::Blend::Solid, 0xFF646464},
      {"solid image tinted", 0xC0FFFFFF, 0, 0, 255, 0.2f, draw::Blend::Solid, 0xFF0000FF},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (int w : {1, 13}) {  // single pixels and the vector loops
      Canvas cv(16, 4, 1, 100, 100, 100);
      cv.s.SetColor(c.r, c.g, c.b);
      cv.s.SetAlpha(c.alpha);
      cv.s.SetBlend(c.blend);
      if (c.image)
        cv.s.DrawImage(*Solid(w, 2, c.image), 1, 1);
      else
        cv.s.DrawRect(1, 1, float(w), 2);
      EXPECT_TRUE(Near(cv.At(1, 1), c.expect, 1)) << std::hex << cv.At(1, 1);
      EXPECT_TRUE(Near(cv.At(w, 2), c.expect, 1)) << std::hex << cv.At(w, 2);
      EXPECT_EQ(cv.At(0, 0), 0xFF646464u);
      EXPECT_EQ(cv.At(w + 1, 1), 0xFF646464u);
    }
  }
}

TEST(DrawBlend, ScaledEdgesDoNotDarken) {
  // An opaque white pixel beside fully transparent black ones, enlarged over white:
  // interpolating without premultiplication would pull grey into the edge.
  Pixmap p(3, 3, 0x00000000);
  p.pixels[4] = 0xFFFFFFFF;
  auto img = draw::Image::FromPixmap(p);
  for (float scale : {0.5f, 1.7f, 4.f, 11.f}) {
    Canvas cv(40, 40, 1, 255, 255, 255);
    cv.s.SetScale(scale, scale);
    cv.s.DrawImage(*img, 0, 0);
    for (uint32_t px : std::vector<uint32_t>(cv.s.Pixels(), cv.s.Pixels() + 40 * 40))
      ASSERT_EQ(px, 0xFFFFFFFFu) << "scale " << scale;
  }
  // Over black, the edge of a scaled red square fades smoothly from red to black.
  auto red = Solid(4, 4, 0xFFFF0000);
  Canvas cv(40, 40);
  cv.s.SetScale(3.3f, 3.3f);
  cv.s.DrawImage(*red, 2, 2);
  EXPECT_EQ(cv.At(8, 8), 0xFFFF0000u);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(G(cv.At(x, 8)), 0);
}

TEST(DrawGeometry, ScaleAppliesToSizesNotPositions) {
  auto img = Solid(100, 50, 0xFFFFFFFF);
  struct Case {
    const char* name;
    bool image;
    float x, y, sx, sy;
    draw::Rect expect;
  } cases[] = {
      {"image 1", true, 3, 4, 1, 1, {3, 4, 100, 50}},
      {"image 2", true, 3, 4, 2, 2, {3, 4, 200, 100}},
      {"image 0.5 x 3", true, 10, 0, 0.5f, 3, {10, 0, 50, 150}},
      {"rect 2", false, 5, 6, 2, 2, {5, 6, 20, 10}},
      {"rect fractional", false, 5.4f, 6.6f, 1, 1, {5, 7, 10, 5}},
      {"rect negative scale draws nothing", false, 5, 6, -1, 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas cv(260, 200);
    cv.s.SetScale(c.sx, c.sy);
    if (c.image)
      cv.s.DrawImage(*img, c.x, c.y);
    else
      cv.s.DrawRect(c.x, c.y, 10, 5);
    draw::Rect r = cv.Ink(0xFF000000);
    EXPECT_EQ(r.x, c.expect.x);
    EXPECT_EQ(r.y, c.expect.y);
    EXPECT_EQ(r.w, c.expect.w);
    EXPECT_EQ(r.h, c.expect.h);
  }
}

TEST(DrawGeometry, ViewportClipsEveryOperation) {
  auto font = draw::Font::Load(FontPath(u"arial.ttf"), 20, draw::Smooth);
  ASSERT_TRUE(font);
  auto img = Solid(50, 50, 0xFFFFFFFF);
  for (int op = 0; op < 3; ++op) {
    SCOPED_TRACE(op);
    Canvas cv(60, 40);
    cv.s.SetViewport(10, 5, 8, 6);
    EXPECT_EQ(cv.s.Viewport().w, 8);
    cv.s.SetFont(font);
    cv.s.SetScale(3, 3);
    if (op == 0) cv.s.DrawRect(-5, -5, 30, 30);
    if (op == 1) cv.s.DrawImage(*img, -20, -20);
    if (op == 2)
      for (int d = 0; d < 24; d += 2) cv.s.DrawText(u"WMWMW", float(-d), float(d - 24));
    draw::Rect r = cv.Ink(0xFF000000);
    EXPECT_GE(r.x, 10);
    EXPECT_GE(r.y, 5);
    EXPECT_LE(r.x + r.w, 18);
    EXPECT_LE(r.y + r.h, 11);
    if (op < 2) {
      EXPECT_EQ(r.w * r.h, 48);
    }
    cv.s.ResetViewport();
    cv.s.SetScale(1, 1);
    cv.s.DrawRect(0, 0, 60, 40);
    EXPECT_EQ(cv.Ink(0xFF000000).w, 60);
  }
  // Images far beyond the surface are cut, not resampled whole.
  Canvas cv(20, 20);
  cv.s.SetScale(5000, 5000);
  cv.s.DrawImage(*img, -1000, -1000);
  EXPECT_EQ(cv.At(10, 10), 0xFFFFFFFFu);
}

TEST(DrawGeometry, Grab) {
  Canvas cv(10, 8, 1, 0, 0, 255);
  cv.s.SetColor(255, 0, 0);
  cv.s.DrawRect(2, 2, 3, 3);
  auto g = cv.s.Grab(1, 1, 4, 3);
  ASSERT_TRUE(g);
  ASSERT_EQ(g->width, 4);
  ASSERT_EQ(g->height, 3);
  EXPECT_EQ(g->At(0, 0), 0xFF0000FFu);
  EXPECT_EQ(g->At(1, 1), 0xFFFF0000u);
  auto edge = cv.s.Grab(8, 6, 4, 4);  // partly outside
  EXPECT_EQ(edge->At(1, 1), 0xFF0000FFu);
  EXPECT_EQ(edge->At(2, 1), 0u);
  EXPECT_EQ(edge->At(0, 3), 0u);
  EXPECT_EQ(cv.s.Grab(-5, -5, 2, 2)->pixels, std::vector<uint32_t>(4, 0));
  EXPECT_EQ(cv.s.Grab(0, 0, -1, 3)->width, 0);
}

TEST(DrawSurface, StatePersistsAndFlipCounts) {
  Surface s;
  s.Resize(4, 4);
  s.SetColor(300, -4, 7);
  s.SetAlpha(2);
  s.SetScale(0.5f, 3);
  EXPECT_EQ(s.ColorR(), 255);
  EXPECT_EQ(s.ColorG(), 0);
  EXPECT_EQ(s.Alpha(), 1.f);
  s.Resize(8, 8);
  EXPECT_EQ(s.ColorB(), 7);
  EXPECT_EQ(s.ScaleY(), 3.f);
  int flips = 0;
  s.SetFlipHandler([&] { ++flips; });
  s.Flip();
  s.Flip();
  EXPECT_EQ(s.Frames(), 2);
  EXPECT_EQ(flips, 2);
  draw::SetTarget(&s);
  EXPECT_EQ(draw::Target(), &s);
  draw::SetTarget(nullptr);
  // Drawing without pixels, font or image does nothing harmful.
  Surface empty;
  empty.DrawRect(0, 0, 5, 5);
  empty.DrawText(u"x", 0, 0);
  EXPECT_EQ(empty.TextWidth(u"x"), 0);
  EXPECT_EQ(empty.Grab(0, 0, 2, 2)->pixels, std::vector<uint32_t>(4, 0));
}

// ---------------------------------------------------------------- fonts

TEST(DrawFont, LoadingAndMetrics) {
  for (const char16_t* name : {u"comic.ttf", u"arial.ttf"}) {
    SCOPED_TRACE(std::string(name, name + std::char_traits<char16_t>::length(name)).c_str());
    for (int size : {13, 20, 36, 50}) {
      auto f = draw::Font::Load(FontPath(name), size, draw::Smooth);
      auto bold = draw::Font::Load(FontPath(name), size, draw::Smooth | draw::Bold);
      ASSERT_TRUE(f && bold);
      EXPECT_EQ(f->Size(), size);
      EXPECT_GT(f->TextWidth(u"T"), 0);
      EXPECT_GE(bold->TextWidth(u"Tipp: Auflösung"), f->TextWidth(u"Tipp: Auflösung"));
      EXPECT_EQ(f->TextWidth(u"ab"), f->TextWidth(u"a") + f->TextWidth(u"b"));  // these fonts have no kern pairs here
      EXPECT_EQ(f->TextHeight(u"T"), f->TextHeight(u"Tg"));
      EXPECT_GE(f->TextHeight(u"T"), size);
      EXPECT_LE(f->TextHeight(u"T"), size * 2);
      EXPECT_EQ(f->TextWidth(u"\n"), 0);
      EXPECT_EQ(f->TextWidth(u"a\nb"), f->TextWidth(u"ab"));
      EXPECT_GT(f->TextWidth(u"äöüßÄÖÜé"), 0);
    }
  }
  EXPECT_EQ(draw::Font::Load(FontPath(u"missing.ttf"), 20, 0), nullptr);
  EXPECT_EQ(draw::Font::Load(fs::EmbeddedRoot() + u"Images/Pfeil 1.png", 20, 0), nullptr);
  EXPECT_EQ(draw::Font::Load(FontPath(u"arial.ttf"), 0, 0), nullptr);
}

// Distinct grey levels in the inked pixels of a text drawn in black on white.
struct InkStats {
  int inked = 0, partial = 0;
  std::set<int> levels;
};
InkStats DrawAndCount(const draw::FontPtr& f, const std::u16string& text, double ds, float scale = 1) {
  Canvas cv(200, 60, ds, 255, 255, 255);
  cv.s.SetFont(f);
  cv.s.SetColor(0, 0, 0);
  cv.s.SetScale(scale, scale);
  cv.s.DrawText(text, 5, 5);
  InkStats st;
  for (int y = 0; y < cv.s.DeviceHeight(); ++y)
    for (int x = 0; x < cv.s.DeviceWidth(); ++x) {
      uint32_t c = cv.At(x, y);
      if (c == 0xFFFFFFFF) continue;
      ++st.inked;
      if (c != 0xFF000000) ++st.partial;
      st.levels.insert(R(c));
    }
  return st;
}

TEST(DrawFont, MonoAndSmoothRendering) {
  auto mono = draw::Font::Load(FontPath(u"comic.ttf"), 20, 0);
  auto smooth = draw::Font::Load(FontPath(u"comic.ttf"), 20, draw::Smooth);
  ASSERT_TRUE(mono && smooth);
  InkStats m = DrawAndCount(mono, u"Welche Tonart?", 1), s = DrawAndCount(smooth, u"Welche Tonart?", 1);
  EXPECT_GT(m.inked, 50);
  EXPECT_EQ(m.partial, 0);
  EXPECT_GT(s.levels.size(), 10u);
  // A missing glyph and a line feed draw nothing.
  EXPECT_EQ(DrawAndCount(smooth, u"\n", 1).inked, 0);
  EXPECT_EQ(DrawAndCount(smooth, u"\u4E00\u0001", 1).inked, 0);
}

TEST(DrawFont, ScaledTextKeepsTheNominalAdvance) {
  auto f = draw::Font::Load(FontPath(u"comic.ttf"), 20, draw::Smooth);
  ASSERT_TRUE(f);
  const std::u16string text = u"Komponist Mozart";
  for (float scale : {0.5f, 1.f, 1.5f, 2.f}) {
    SCOPED_TRACE(scale);
    Canvas cv(800, 120, 1, 255, 255, 255);
    cv.s.SetFont(f);
    cv.s.SetColor(0, 0, 0);
    cv.s.SetScale(scale, scale);
    cv.s.DrawText(text, 10, 10);
    draw::Rect ink = cv.Ink(0xFFFFFFFF);
    const double expected = f->TextWidth(text) * scale;
    EXPECT_NEAR(ink.w, expected, 3 + 0.1 * expected);
    EXPECT_GE(ink.y, 10);
    EXPECT_LE(ink.y + ink.h, 10 + f->TextHeight(text) * scale + 2);
    // Drawing character by character at offsets of width x scale gives the same picture.
    Canvas one(800, 120, 1, 255, 255, 255);
    one.s.SetFont(f);
    one.s.SetColor(0, 0, 0);
    one.s.SetScale(scale, scale);
    float x = 10;
    for (char16_t ch : text) {
      one.s.DrawText(std::u16string(1, ch), x, 10);
      x += f->TextWidth(std::u16string(1, ch)) * scale;
    }
    int differ = 0;
    for (int i = 0; i < 800 * 120; ++i) differ += cv.s.Pixels()[i] != one.s.Pixels()[i];
    EXPECT_LT(differ, 40);
  }
}

// ---------------------------------------------------------------- device scale
TEST(DrawDeviceScale, SamePictureCrisper) {
  auto f = draw::Font::Load(FontPath(u"arial.ttf"), 20, draw::Smooth);
  auto img = draw::Image::Load(fs::EmbeddedRoot() + u"Images/Pfeil 2.png");
  ASSERT_TRUE(f && img);
  auto scene = [&](Surface& s) {
    s.SetClsColor(30, 60, 90);
    s.Cls();
    s.SetColor(255, 255, 255);
    s.SetAlpha(1);
    s.SetScale(0.3f, 0.6f);
    s.DrawImage(*img, 7, 9);
    s.SetScale(1, 1);
    s.SetColor(250, 200, 0);
    s.DrawRect(20, 50, 90, 20);
    s.SetColor(0, 0, 0);
    s.SetFont(f);
    s.DrawText(u"Tonleiter", 30, 70);
  };
  Surface one, two;
  one.Resize(260, 100, 1);
  two.Resize(260, 100, 2);
  EXPECT_EQ(two.DeviceWidth(), 520);
  EXPECT_EQ(two.DeviceHeight(), 200);
  scene(one);
  scene(two);
  auto a = one.Grab(0, 0, 260, 100), b = two.Grab(0, 0, 260, 100);
  double diff = 0;
  for (size_t i = 0; i < a->pixels.size(); ++i)
    diff += std::abs(R(a->pixels[i]) - R(b->pixels[i])) + std::abs(G(a->pixels[i]) - G(b->pixels[i])) +
            std::abs(B(a->pixels[i]) - B(b->pixels[i]));
  EXPECT_LT(diff / (a->pixels.size() * 3), 4.0);
  // Text at device scale 2 is rasterised at twice the size: the share of
  // partly covered edge pixels drops.
  InkStats s1 = DrawAndCount(f, u"Tonleiter", 1), s2 = DrawAndCount(f, u"Tonleiter", 2);
  EXPECT_GT(s2.inked, s1.inked * 3);
  EXPECT_LT(double(s2.partial) / s2.inked, 0.85 * double(s1.partial) / s1.inked);
}

}  // namespace

namespace {

TEST(DrawState, SavedStateRestoresScaleColourAndTarget) {
  draw::Surface a, b;
  a.Resize(4, 4);
  b.Resize(4, 4);
  draw::SetTarget(&b);
  a.SetScale(2.0f, 3.0f);
  a.SetColor(10, 20, 30);
  {
    draw::SavedState gesichert(a);
    draw::SetTarget(&a);
    a.SetScale(0.5f, 0.5f);
    a.SetColor(1, 1, 1);
  }
  EXPECT_EQ(&b, draw::Target());
  EXPECT_EQ(2.0f, a.ScaleX());
  EXPECT_EQ(3.0f, a.ScaleY());
  EXPECT_EQ(10, a.ColorR());
  EXPECT_EQ(20, a.ColorG());
  EXPECT_EQ(30, a.ColorB());
  draw::SetTarget(nullptr);
}

}  // namespace
