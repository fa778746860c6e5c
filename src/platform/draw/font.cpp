// SPDX-License-Identifier: GPL-3.0-or-later
// Image fonts through FreeType: faces from bytes in memory, one FreeType size
// per rasterised pixel size, glyph bitmaps cached per code point and size.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <iterator>
#include <map>
#include <mutex>
#include <unordered_map>

#include "platform/draw/draw_internal.h"
#include "platform/fs/fs.h"

namespace draw {
namespace detail {

namespace {
FT_Library Library() {
  static FT_Library lib = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) l = nullptr;
    return l;
  }();
  return lib;
}
constexpr int kMaxRasterSize = 1024;
}  // namespace

class FontImpl final : public Font {
 public:
  FontImpl(std::shared_ptr<std::string> bytes, int size, int style) : bytes_(std::move(bytes)), size_(size), style_(style) {}
  ~FontImpl() override {
    for (auto& [key, face] : faces_) FT_Done_Face(face);
  }

  bool Init() {
    FT_Face f = FaceFor(size_, size_);
    if (!f) return false;
    nominalFace_ = f;
    std::fill(std::begin(advLow_), std::end(advLow_), -1);
    ascender_ = static_cast<int>(f->size->metrics.ascender >> 6);
    lineHeight_ = static_cast<int>((f->size->metrics.ascender - f->size->metrics.descender) >> 6);
    if (lineHeight_ <= 0) lineHeight_ = size_;
    kerning_ = FT_HAS_KERNING(f);
    const Glyph* notdef = Load(0, size_, size_, true);
    notdefAdvance_ = notdef ? nominal_[0] : 0;
    return true;
  }

  int Size() const override { return size_; }
  int TextWidth(const u16& text) override {
    std::vector<uint32_t> cps;
    std::vector<int> adv;
    Advances(text, cps, adv);
    int sum = 0;
    for (int a : adv) sum += a;
    return sum;
  }
  int TextHeight(const u16&) override { return lineHeight_; }

  int Ascender() const { return ascender_; }

  void Advances(const u16& text, std::vector<uint32_t>& cps, std::vector<int>& adv) {
    cps.clear();
    adv.clear();
    for (size_t i = 0; i < text.size(); ++i) {
      uint32_t c = text[i];
      if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        ++i;
      }
      cps.push_back(c);
    }
    FT_Face f = nominalFace_;
    FT_UInt prev = 0;
    for (uint32_t c : cps) {
      if (c < 32) {  // line feeds and other control characters take no room
        adv.push_back(0);
        prev = 0;
        continue;
      }
      if (!kerning_ && c < 256 && advLow_[c] >= 0) {
        adv.push_back(advLow_[c]);
        continue;
      }
      FT_UInt gi = FT_Get_Char_Index(f, c);
      int a = 0;
      if (gi == 0) {
        a = notdefAdvance_;
      } else {
        Load(c, size_, size_, false);
        a = nominal_[c];
        if (kerning_ && prev) {
          FT_Vector k{};
          if (FT_Get_Kerning(f, prev, gi, FT_KERNING_DEFAULT, &k) == 0 && !adv.empty()) adv.back() += static_cast<int>(k.x >> 6);
        }
      }
      adv.push_back(a);
      if (c < 256) advLow_[c] = a;
      prev = gi;
    }
  }

  // Glyph for code point c at pw x ph pixels (byIndex: c is a glyph index).
  const Glyph* Load(uint32_t c, int pw, int ph, bool byIndex = false) {
    const bool low = !byIndex && c < 256;
    if (low && pw == fast_.pw && ph == fast_.ph && fast_.known[c]) return fast_.glyph[c];
    const Glyph* g = LoadSlow(c, pw, ph, byIndex);
    if (low) {
      if (pw != fast_.pw || ph != fast_.ph) {
        fast_.pw = pw, fast_.ph = ph;
        std::fill(std::begin(fast_.known), std::end(fast_.known), false);
      }
      fast_.known[c] = true;
      fast_.glyph[c] = g;
    }
    return g;
  }

 private:
  const Glyph* LoadSlow(uint32_t c, int pw, int ph, bool byIndex) {
    uint64_t key = (uint64_t(byIndex) << 63) | (uint64_t(pw) << 42) | (uint64_t(ph) << 21) | c;
    if (auto it = glyphs_.find(key); it != glyphs_.end()) return it->second.get();
    FT_Face f = FaceFor(pw, ph);
    std::unique_ptr<Glyph> g;
    if (f) {
      FT_UInt gi = byIndex ? c : FT_Get_Char_Index(f, c);
      if (gi != 0 || byIndex) g = Rasterise(f, gi, c, pw, ph, byIndex);
    }
    const Glyph* result = g.get();
    glyphs_[key] = std::move(g);
    return result;
  }

  FT_Face FaceFor(int pw, int ph) {
    uint64_t key = (uint64_t(pw) << 32) | uint32_t(ph);
    if (auto it = faces_.find(key); it != faces_.end()) return it->second;
    FT_Face face = nullptr;
    if (!Library() ||
        FT_New_Memory_Face(Library(), reinterpret_cast<const FT_Byte*>(bytes_->data()), static_cast<FT_Long>(bytes_->size()), 0,
                           &face) != 0)
      return nullptr;
    if (FT_Set_Pixel_Sizes(face, pw, ph) != 0) {
      FT_Done_Face(face);
      return nullptr;
    }
    faces_[key] = face;
    return face;
  }

  std::unique_ptr<Glyph> Rasterise(FT_Face f, FT_UInt gi, uint32_t c, int pw, int ph, bool byIndex) {
    const bool smooth = style_ & Smooth;
    FT_Int32 flags = smooth ? FT_LOAD_TARGET_NORMAL : (FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME);
    if (FT_Load_Glyph(f, gi, flags) != 0) return nullptr;
    if (style_ & Bold) FT_GlyphSlot_Embolden(f->glyph);
    if (pw == size_ && ph == size_) {
      int adv = static_cast<int>((f->glyph->advance.x + 32) >> 6);
      if (byIndex) {
        nominal_[0] = adv;  // the .notdef glyph: only its advance is used
        return std::make_unique<Glyph>();
      }
      nominal_[c] = adv;
    }
    if (FT_Render_Glyph(f->glyph, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) return std::make_unique<Glyph>();
    const FT_Bitmap& bm = f->glyph->bitmap;
    auto g = std::make_unique<Glyph>();
    g->w = static_cast<int>(bm.width);
    g->h = static_cast<int>(bm.rows);
    g->left = f->glyph->bitmap_left;
    g->top = f->glyph->bitmap_top;
    g->cov.resize(size_t(g->w) * g->h);
    for (int y = 0; y < g->h; ++y) {
      const uint8_t* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
      for (int x = 0; x < g->w; ++x) {
        uint8_t v = bm.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0)
                                                        : (bm.pixel_mode == FT_PIXEL_MODE_GRAY ? row[x] : 0);
        g->cov[size_t(y) * g->w + x] = v;
        if (v) g->visible = true;
      }
    }
    return g;
  }

  std::shared_ptr<std::string> bytes_;
  int size_, style_;
  int ascender_ = 0, lineHeight_ = 0, notdefAdvance_ = 0;
  bool kerning_ = false;
  FT_Face nominalFace_ = nullptr;
  int advLow_[256];  // nominal advances of Latin-1 characters, -1 until known
  struct {           // glyphs of Latin-1 characters at the size drawn last
    int pw = -1, ph = -1;
    bool known[256];
    const Glyph* glyph[256];
  } fast_;
  std::unordered_map<uint64_t, FT_Face> faces_;
  std::unordered_map<uint64_t, std::unique_ptr<Glyph>> glyphs_;
  std::unordered_map<uint32_t, int> nominal_;  // advance at the nominal size per code point
};

FontImpl* ToImpl(Font* f) { return dynamic_cast<FontImpl*>(f); }

const Glyph* GlyphAt(FontImpl& f, uint32_t cp, int pw, int ph) {
  if (pw < 1 || ph < 1 || pw > kMaxRasterSize || ph > kMaxRasterSize) return nullptr;
  return f.Load(cp, pw, ph);
}
int FontAscender(const FontImpl& f) { return f.Ascender(); }
void Advances(FontImpl& f, const std::u16string& text, std::vector<uint32_t>& cps, std::vector<int>& adv) {
  f.Advances(text, cps, adv);
}

}  // namespace detail

namespace {

// The bytes of a font file, shared by the fonts made from it while any of
// them lives (the game makes three sizes of one face): the file is read and
// held once.
std::shared_ptr<std::string> FontBytes(const u16& path) {
  static std::mutex mu;
  static std::map<u16, std::weak_ptr<std::string>> held;
  std::lock_guard<std::mutex> lk(mu);
  auto& slot = held[path];
  if (auto bytes = slot.lock()) return bytes;
  auto bytes = fs::ReadAll(path, size_t(64) << 20);
  if (!bytes || bytes->empty()) {
    held.erase(path);
    return nullptr;
  }
  auto shared = std::make_shared<std::string>(std::move(*bytes));
  slot = shared;
  return shared;
}

}  // namespace

std::shared_ptr<Font> Font::Load(const u16& path, int pixelSize, int style) {
  if (pixelSize < 1 || pixelSize > 1000) return nullptr;
  auto bytes = FontBytes(path);
  if (!bytes) return nullptr;
  auto f = std::make_shared<detail::FontImpl>(std::move(bytes), pixelSize, style);
  if (!f->Init()) return nullptr;
  return f;
}

}  // namespace draw
