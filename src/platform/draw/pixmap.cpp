// SPDX-License-Identifier: GPL-3.0-or-later
// Pixmaps: decoding PNG (libpng), JPEG (libjpeg) and BMP (own reader), PNG writing.
#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/draw/draw_internal.h"
#include "platform/fs/fs.h"

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace draw {

using namespace detail;

Pixmap::Pixmap(int w, int h, uint32_t fill)
    : width(w > 0 ? w : 0), height(h > 0 ? h : 0), pixels(static_cast<size_t>(width) * height, fill) {}

namespace {
uint32_t Be32(const unsigned char* p) { return (uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }
uint32_t Le32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
}  // namespace

PictureHeader ReadPictureHeader(const std::string& bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  PictureHeader h;
  if (n >= 8 && png_sig_cmp(b, 0, 8) == 0) {
    h.kind = PictureHeader::Png;
    // The first chunk is IHDR: width and height, four bytes each, big-endian.
    if (n >= 24 && std::memcmp(b + 12, "IHDR", 4) == 0) h.width = Be32(b + 16), h.height = Be32(b + 20);
  } else if (n >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) {
    h.kind = PictureHeader::Jpeg;
    // Walk the markers up to the first start-of-frame (SOF0..SOF15 but DHT,
    // JPG and DAC), which holds the height and then the width.
    size_t i = 2;
    while (i + 4 <= n) {
      if (b[i] != 0xFF) break;
      const unsigned char m = b[i + 1];
      if (m == 0xFF) { ++i; continue; }  // fill byte
      if (m == 0xD8 || m == 0x01 || (m >= 0xD0 && m <= 0xD7)) { i += 2; continue; }
      if (m == 0xD9 || m == 0xDA) break;  // end of image, start of scan: no frame header before
      const size_t len = (size_t(b[i + 2]) << 8) | b[i + 3];
      if (len < 2) break;
      if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) {
        if (i + 9 <= n) h.height = (size_t(b[i + 5]) << 8) | b[i + 6], h.width = (size_t(b[i + 7]) << 8) | b[i + 8];
        break;
      }
      i += 2 + len;
    }
  } else if (n >= 2 && b[0] == 'B' && b[1] == 'M') {
    h.kind = PictureHeader::Bmp;
    if (n >= 14 + 16) {
      const uint32_t hdr = Le32(b + 14);
      if (hdr == 12) {  // the old OS/2 header: 16-bit sizes
        h.width = b[18] | (b[19] << 8), h.height = b[20] | (b[21] << 8);
      } else if (hdr >= 40 && n >= 14 + 12) {
        const int32_t w = static_cast<int32_t>(Le32(b + 18)), hh = static_cast<int32_t>(Le32(b + 22));
        h.width = w < 0 ? 0 : uint64_t(w);
        h.height = hh < 0 ? uint64_t(-int64_t(hh)) : uint64_t(hh);
      }
    }
  }
  return h;
}

std::shared_ptr<Pixmap> Pixmap::Load(const u16& path) {
  // 16 megapixels fit into far fewer bytes than this in any of our formats.
  auto bytes = fs::ReadAll(path, size_t(128) << 20);
  if (!bytes) return nullptr;
  return Decode(*bytes);
}

std::shared_ptr<Pixmap> Pixmap::Decode(const std::string& bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  // A picture too large to hold is refused from its header, before any
  // decoder allocates for it.
  const PictureHeader h = ReadPictureHeader(bytes);
  if (h.kind != PictureHeader::None && h.width && h.height && !PictureSizeAcceptable(h.width, h.height))
    return nullptr;
  try {
    if (bytes.size() >= 8 && png_sig_cmp(b, 0, 8) == 0) return DecodePng(bytes);
    if (bytes.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return DecodeJpeg(bytes);
    if (bytes.size() >= 2 && b[0] == 'B' && b[1] == 'M') return DecodeBmp(bytes);
  } catch (const std::bad_alloc&) {
  }
  return nullptr;
}

namespace detail {

uint32_t Premultiply(uint32_t c) {
  uint32_t a = c >> 24;
  if (a == 255) return c;
  if (a == 0) return 0;
  return Pack(a, Div255(((c >> 16) & 255) * a), Div255(((c >> 8) & 255) * a), Div255((c & 255) * a));
}

uint32_t Unpremultiply(uint32_t c) {
  uint32_t a = c >> 24;
  if (a == 255 || a == 0) return a == 0 ? 0 : c;
  auto un = [a](uint32_t v) { uint32_t r = (v * 255 + a / 2) / a; return r > 255 ? 255u : r; };
  return Pack(a, un((c >> 16) & 255), un((c >> 8) & 255), un(c & 255));
}

// ---------------------------------------------------------------- PNG
namespace {
struct PngReader {
  const std::string* bytes;
  size_t pos = 0;
};

void PngRead(png_structp png, png_bytep out, png_size_t n) {
  auto* r = static_cast<PngReader*>(png_get_io_ptr(png));
  if (r->bytes->size() - r->pos < n) png_error(png, "truncated");
  std::memcpy(out, r->bytes->data() + r->pos, n);
  r->pos += n;
}
void PngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngWarning(png_structp, png_const_charp) {}

// The work that may be abandoned by longjmp: no objects with destructors live here.
bool PngDecodeInto(png_structp png, png_infop info, PngReader* reader, Pixmap* out, std::vector<png_bytep>* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, reader, PngRead);
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_malloc_max(png, size_t(64) << 20);
  png_read_info(png, info);
  png_uint_32 w = 0, h = 0;
  int depth = 0, type = 0, interlace = 0;
  png_get_IHDR(png, info, &w, &h, &depth, &type, &interlace, nullptr, nullptr);
  if (!SizeAcceptable(w, h)) return false;
  if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (depth == 16) png_set_scale_16(png);
  if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  // Rows are read straight into the 32-bit pixels (alpha in the top byte,
  // then red, green, blue): no second buffer for the whole picture.
  if constexpr (std::endian::native == std::endian::little) {
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  } else {
    png_set_swap_alpha(png);
    png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != size_t(w) * 4) return false;
  // Sizes are checked above; a failing allocation throws from here, not from inside libpng.
  out->pixels.resize(size_t(w) * h);
  rows->resize(h);
  auto* base = reinterpret_cast<png_bytep>(out->pixels.data());
  for (png_uint_32 y = 0; y < h; ++y) (*rows)[y] = base + size_t(y) * w * 4;
  png_read_image(png, rows->data());
  png_read_end(png, nullptr);
  out->width = static_cast<int>(w);
  out->height = static_cast<int>(h);
  return true;
}
}  // namespace

PixmapPtr DecodePng(const std::string& bytes) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
  if (!png) return nullptr;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return nullptr;
  }
  PngReader reader{&bytes};
  auto out = std::make_shared<Pixmap>();
  std::vector<png_bytep> rows;
  bool ok = false;
  try {
    ok = PngDecodeInto(png, info, &reader, out.get(), &rows);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) return nullptr;
  return out;
}

// ---------------------------------------------------------------- JPEG
namespace {
struct JpegError {
  jpeg_error_mgr mgr;
  jmp_buf jump;
  bool truncated;
};
void JpegExit(j_common_ptr c) { longjmp(reinterpret_cast<JpegError*>(c->err)->jump, 1); }
void JpegMessage(j_common_ptr c, int level) {
  auto* e = reinterpret_cast<JpegError*>(c->err);
  if (level < 0 && e->mgr.msg_code == JWRN_JPEG_EOF) e->truncated = true;
}
void JpegOutput(j_common_ptr) {}

bool JpegDecodeInto(jpeg_decompress_struct* ci, JpegError* err, const std::string* bytes, Pixmap* out,
                    std::vector<uint8_t>* buf) {
  if (setjmp(err->jump)) return false;
  jpeg_create_decompress(ci);
  jpeg_mem_src(ci, reinterpret_cast<const unsigned char*>(bytes->data()), static_cast<unsigned long>(bytes->size()));
  if (jpeg_read_header(ci, TRUE) != JPEG_HEADER_OK) return false;
  if (!SizeAcceptable(ci->image_width, ci->image_height)) return false;
  bool cmyk = ci->jpeg_color_space == JCS_CMYK || ci->jpeg_color_space == JCS_YCCK;
  ci->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  ci->mem->max_memory_to_use = size_t(1) << 30;
  jpeg_start_decompress(ci);
  int comps = ci->output_components;
  if (comps != (cmyk ? 4 : 3)) return false;
  size_t w = ci->output_width, h = ci->output_height;
  size_t stride = w * comps;
  buf->resize(stride * h);
  while (ci->output_scanline < ci->output_height) {
    JSAMPROW row = buf->data() + stride * ci->output_scanline;
    if (jpeg_read_scanlines(ci, &row, 1) != 1) return false;
  }
  jpeg_finish_decompress(ci);
  out->width = static_cast<int>(w);
  out->height = static_cast<int>(h);
  return !err->truncated;
}
}  // namespace

PixmapPtr DecodeJpeg(const std::string& bytes) {
  jpeg_decompress_struct ci;
  std::memset(&ci, 0, sizeof ci);
  JpegError err;
  std::memset(&err, 0, sizeof err);
  ci.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = JpegExit;
  err.mgr.emit_message = JpegMessage;
  err.mgr.output_message = JpegOutput;
  auto out = std::make_shared<Pixmap>();
  std::vector<uint8_t> buf;
  bool ok = false;
  try {
    ok = JpegDecodeInto(&ci, &err, &bytes, out.get(), &buf);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  bool cmyk = ci.out_color_space == JCS_CMYK;
  bool adobe = ci.saw_Adobe_marker;
  jpeg_destroy_decompress(&ci);
  if (!ok) return nullptr;
  out->pixels.resize(size_t(out->width) * out->height);
  const uint8_t* p = buf.data();
  for (auto& px : out->pixels) {
    if (cmyk) {
      // Adobe writes inverted CMYK; plain CMYK is inverted here.
      uint32_t c = p[0], m = p[1], y = p[2], k = p[3];
      if (!adobe) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
      px = Pack(255, Div255(c * k), Div255(m * k), Div255(y * k));
      p += 4;
    } else {
      px = Pack(255, p[0], p[1], p[2]);
      p += 3;
    }
  }
  return out;
}

// ---------------------------------------------------------------- BMP
namespace {
uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
int Shift(uint32_t mask) {
  int s = 0;
  while (s < 32 && !((mask >> s) & 1)) ++s;
  return s;
}
}  // namespace

// Uncompressed 8-bit palette, 24-bit and 32-bit (plain or bit fields with
// 8-bit channels) Windows bitmaps, bottom-up or top-down. Anything else is refused.
PixmapPtr DecodeBmp(const std::string& bytes) {
  const auto* d = reinterpret_cast<const uint8_t*>(bytes.data());
  const size_t n = bytes.size();
  if (n < 14 + 40) return nullptr;
  const uint64_t dataOffset = U32(d + 10);
  const uint32_t hdr = U32(d + 14);
  if (hdr != 40 && hdr != 52 && hdr != 56 && hdr != 108 && hdr != 124) return nullptr;
  if (14 + uint64_t(hdr) > n) return nullptr;
  const int32_t w = static_cast<int32_t>(U32(d + 18));
  const int32_t hRaw = static_cast<int32_t>(U32(d + 22));
  const uint16_t planes = U16(d + 26), bpp = U16(d + 28);
  const uint32_t compression = U32(d + 30);
  uint32_t colours = U32(d + 46);
  if (planes != 1 || w <= 0 || hRaw == 0 || hRaw == INT32_MIN) return nullptr;
  const bool topDown = hRaw < 0;
  const int64_t h = topDown ? -int64_t(hRaw) : hRaw;
  if (!SizeAcceptable(uint64_t(w), uint64_t(h))) return nullptr;
  if (bpp != 8 && bpp != 24 && bpp != 32) return nullptr;
  uint32_t rm = 0xFF0000, gm = 0xFF00, bm = 0xFF, am = 0;
  if (compression == 3 /* BI_BITFIELDS */ && bpp == 32) {
    size_t maskAt = 14 + 40;  // masks follow the 40-byte header, inside bigger headers too
    if (maskAt + 12 > n) return nullptr;
    rm = U32(d + maskAt), gm = U32(d + maskAt + 4), bm = U32(d + maskAt + 8);
    if (hdr >= 56 && maskAt + 16 <= n) am = U32(d + maskAt + 12);
    for (uint32_t m : {rm, gm, bm, am})
      if (m != 0 && (m >> Shift(m)) != 0xFF) return nullptr;  // only 8-bit channels
    if (!rm || !gm || !bm) return nullptr;
  } else if (compression != 0) {
    return nullptr;
  }
  std::vector<uint32_t> palette;
  if (bpp == 8) {
    if (colours == 0) colours = 256;
    if (colours > 256) return nullptr;
    uint64_t palAt = 14 + uint64_t(hdr);
    if (palAt + colours * 4ull > n) return nullptr;
    for (uint32_t i = 0; i < colours; ++i) {
      const uint8_t* p = d + palAt + i * 4;
      palette.push_back(Pack(255, p[2], p[1], p[0]));
    }
  }
  const uint64_t stride = ((uint64_t(w) * bpp + 31) / 32) * 4;
  if (dataOffset < 14 + uint64_t(hdr) || dataOffset > n || (n - dataOffset) / stride < uint64_t(h)) return nullptr;
  auto out = std::make_shared<Pixmap>(w, static_cast<int>(h));
  bool anyAlpha = false;
  for (int64_t y = 0; y < h; ++y) {
    const uint8_t* row = d + dataOffset + stride * (topDown ? y : h - 1 - y);
    uint32_t* o = out->pixels.data() + size_t(y) * w;
    for (int32_t x = 0; x < w; ++x) {
      if (bpp == 8) {
        uint8_t i = row[x];
        o[x] = i < palette.size() ? palette[i] : 0xFF000000u;
      } else if (bpp == 24) {
        const uint8_t* p = row + x * 3;
        o[x] = Pack(255, p[2], p[1], p[0]);
      } else {
        uint32_t v = U32(row + x * 4);
        uint32_t a = am ? (v & am) >> Shift(am) : (compression == 0 ? v >> 24 : 255);
        if (a) anyAlpha = true;
        o[x] = Pack(a, (v & rm) >> Shift(rm), (v & gm) >> Shift(gm), (v & bm) >> Shift(bm));
      }
    }
  }
  // 32-bit bitmaps whose fourth byte is all zero are opaque pictures.
  if (bpp == 32 && !anyAlpha)
    for (auto& px : out->pixels) px |= 0xFF000000u;
  return out;
}

}  // namespace detail

// ---------------------------------------------------------------- PNG writing
namespace {
void PngWrite(png_structp png, png_bytep data, png_size_t n) {
  auto* f = static_cast<FILE*>(png_get_io_ptr(png));
  if (std::fwrite(data, 1, n, f) != n) png_error(png, "write");
}
void PngFlush(png_structp) {}

bool PngEncode(png_structp png, png_infop info, FILE* f, const Pixmap* pm, std::vector<uint8_t>* row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, f, PngWrite, PngFlush);
  png_set_IHDR(png, info, pm->width, pm->height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < pm->height; ++y) {
    for (int x = 0; x < pm->width; ++x) {
      uint32_t c = pm->At(x, y);
      uint8_t* p = row->data() + x * 4;
      p[0] = (c >> 16) & 255, p[1] = (c >> 8) & 255, p[2] = c & 255, p[3] = c >> 24;
    }
    png_write_row(png, row->data());
  }
  png_write_end(png, nullptr);
  return true;
}
}  // namespace

bool Pixmap::SavePng(const std::string& nativePath) const {
  if (width <= 0 || height <= 0 || pixels.size() != size_t(width) * height) return false;
  FILE* f = std::fopen(nativePath.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, detail::PngError, detail::PngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<uint8_t> row(size_t(width) * 4);
  bool ok = png && info && PngEncode(png, info, f, this, &row);
  png_destroy_write_struct(&png, &info);
  ok = (std::fclose(f) == 0) && ok;
  return ok;
}

}  // namespace draw
