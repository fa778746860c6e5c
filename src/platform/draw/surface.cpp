// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing surfaces: the drawing state and the raster operations. Pixels are
// premultiplied 0xAARRGGBB; blending is integer "over" arithmetic with SSE2
// row loops where available.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/draw/draw_internal.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define DRAW_HAVE_AVX2_PATH 1
#endif

namespace draw {

using namespace detail;

namespace {

// Per-channel multipliers 0..256 (256 = unchanged) applied to a premultiplied source.
struct Mul {
  uint16_t a = 256, r = 256, g = 256, b = 256;
  bool Identity() const { return a == 256 && r == 256 && g == 256 && b == 256; }
};

inline uint32_t Apply(uint32_t s, const Mul& m) {
  return Pack(((s >> 24) * m.a) >> 8, (((s >> 16) & 255) * m.r) >> 8, (((s >> 8) & 255) * m.g) >> 8, ((s & 255) * m.b) >> 8);
}

inline uint32_t Over(uint32_t s, uint32_t d) {
  uint32_t ia = 255 - (s >> 24);
  if (ia == 0) return s;
  return Pack((s >> 24) + Div255((d >> 24) * ia), ((s >> 16) & 255) + Div255(((d >> 16) & 255) * ia),
              ((s >> 8) & 255) + Div255(((d >> 8) & 255) * ia), (s & 255) + Div255((d & 255) * ia));
}

#if defined(__SSE2__)
inline __m128i Div255x8(__m128i t) {
  t = _mm_add_epi16(t, _mm_set1_epi16(128));
  return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
}
inline __m128i Alphas(__m128i x) { return _mm_shufflehi_epi16(_mm_shufflelo_epi16(x, 0xFF), 0xFF); }
// s (two pixels as 16-bit lanes, premultiplied) over d (two pixels as 16-bit lanes).
inline __m128i Over2(__m128i s, __m128i d) {
  __m128i ia = _mm_sub_epi16(_mm_set1_epi16(255), Alphas(s));
  return _mm_add_epi16(s, Div255x8(_mm_mullo_epi16(d, ia)));
}
#endif

// dst[i] = (src[i] * m) over dst[i]
void BlendSpan(uint32_t* d, const uint32_t* s, int n, const Mul& m) {
  int i = 0;
  const bool id = m.Identity();
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i amask = _mm_set1_epi32(int(0xFF000000u));
  const __m128i mul = _mm_set_epi16(m.a, m.r, m.g, m.b, m.a, m.r, m.g, m.b);
  for (; i + 4 <= n; i += 4) {
    __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    __m128i av = _mm_and_si128(sv, amask);
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(av, zero)) == 0xFFFF) continue;  // all transparent
    if (id && _mm_movemask_epi8(_mm_cmpeq_epi32(av, amask)) == 0xFFFF) {   // all opaque
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), sv);
      continue;
    }
    __m128i slo = _mm_unpacklo_epi8(sv, zero), shi = _mm_unpackhi_epi8(sv, zero);
    if (!id) {
      slo = _mm_srli_epi16(_mm_mullo_epi16(slo, mul), 8);
      shi = _mm_srli_epi16(_mm_mullo_epi16(shi, mul), 8);
    }
    __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    __m128i rlo = Over2(slo, _mm_unpacklo_epi8(dv, zero));
    __m128i rhi = Over2(shi, _mm_unpackhi_epi8(dv, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(rlo, rhi));
  }
#endif
  for (; i < n; ++i) {
    uint32_t c = id ? s[i] : Apply(s[i], m);
    if (c >> 24) d[i] = Over(c, d[i]);
  }
}

// An opaque source with uniform multipliers (a background faded in or out):
// dst = (src * m + dst * (256 - m.a)) / 256, at most 1 off the exact "over".
void LerpSpanPortable(uint32_t* d, const uint32_t* s, int n, const Mul& m) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i mul = _mm_set_epi16(m.a, m.r, m.g, m.b, m.a, m.r, m.g, m.b);
  const __m128i inv = _mm_set1_epi16(short(256 - m.a));
  for (; i + 4 <= n; i += 4) {
    const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    const __m128i lo = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(sv, zero), mul),
                                                    _mm_mullo_epi16(_mm_unpacklo_epi8(dv, zero), inv)), 8);
    const __m128i hi = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(sv, zero), mul),
                                                    _mm_mullo_epi16(_mm_unpackhi_epi8(dv, zero), inv)), 8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(lo, hi));
  }
#endif
  const uint32_t ia = 256 - m.a;
  for (; i < n; ++i) {
    const uint32_t c = s[i], e = d[i];
    d[i] = Pack(((c >> 24) * m.a + (e >> 24) * ia) >> 8, (((c >> 16) & 255) * m.r + ((e >> 16) & 255) * ia) >> 8,
                (((c >> 8) & 255) * m.g + ((e >> 8) & 255) * ia) >> 8, ((c & 255) * m.b + (e & 255) * ia) >> 8);
  }
}

#if defined(DRAW_HAVE_AVX2_PATH)
__attribute__((target("avx2"))) void LerpSpanAvx2(uint32_t* d, const uint32_t* s, int n, const Mul& m) {
  int i = 0;
  const __m256i zero = _mm256_setzero_si256();
  const __m256i mul = _mm256_set_epi16(m.a, m.r, m.g, m.b, m.a, m.r, m.g, m.b, m.a, m.r, m.g, m.b, m.a, m.r, m.g, m.b);
  const __m256i inv = _mm256_set1_epi16(short(256 - m.a));
  for (; i + 8 <= n; i += 8) {
    const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
    const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
    const __m256i lo = _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(sv, zero), mul),
                                                          _mm256_mullo_epi16(_mm256_unpacklo_epi8(dv, zero), inv)), 8);
    const __m256i hi = _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(sv, zero), mul),
                                                          _mm256_mullo_epi16(_mm256_unpackhi_epi8(dv, zero), inv)), 8);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_packus_epi16(lo, hi));
  }
  LerpSpanPortable(d + i, s + i, n - i, m);
}
#endif

void LerpSpan(uint32_t* d, const uint32_t* s, int n, const Mul& m) {
#if defined(DRAW_HAVE_AVX2_PATH)
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) return LerpSpanAvx2(d, s, n, m);
#endif
  LerpSpanPortable(d, s, n, m);
}

// dst[i] = c for n pixels.
void Fill(uint32_t* d, size_t n, uint32_t c) {
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i v = _mm_set1_epi32(int(c));
  for (; i + 16 <= n; i += 16) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i + 4), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i + 8), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i + 12), v);
  }
  for (; i + 4 <= n; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), v);
#endif
  for (; i < n; ++i) d[i] = c;
}

// dst[i] = c over dst[i], c premultiplied.
void FillSpan(uint32_t* d, int n, uint32_t c) {
  if ((c >> 24) == 255) {
    Fill(d, size_t(n), c);
    return;
  }
  if ((c >> 24) == 0) return;
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i cv = _mm_unpacklo_epi8(_mm_set1_epi32(int(c)), zero);
  for (; i + 4 <= n; i += 4) {
    __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    __m128i rlo = Over2(cv, _mm_unpacklo_epi8(dv, zero));
    __m128i rhi = Over2(cv, _mm_unpackhi_epi8(dv, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(rlo, rhi));
  }
#endif
  for (; i < n; ++i) d[i] = Over(c, d[i]);
}

// Solid: the tinted source colour replaces the destination wherever the source
// pixel is at least half covered; no blending, the alpha is ignored.
void SolidSpan(uint32_t* d, const uint32_t* s, int n, const Mul& m) {
  for (int i = 0; i < n; ++i) {
    uint32_t c = Unpremultiply(s[i]);
    if ((c >> 24) < 128) continue;
    d[i] = Pack(255, (((c >> 16) & 255) * m.r) >> 8, (((c >> 8) & 255) * m.g) >> 8, ((c & 255) * m.b) >> 8);
  }
}

// Glyph coverage laid over the destination: tab[c] is the premultiplied
// source for coverage c.
void GlyphSpan(uint32_t* d, const uint8_t* cov, int n, const uint32_t* tab) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const bool opaque = (tab[255] >> 24) == 255;
  for (; i + 4 <= n; i += 4) {
    uint32_t c4;
    std::memcpy(&c4, cov + i, 4);
    if (!c4) continue;
    const __m128i sv = _mm_set_epi32(int(tab[cov[i + 3]]), int(tab[cov[i + 2]]), int(tab[cov[i + 1]]), int(tab[cov[i]]));
    if (c4 == 0xFFFFFFFFu && opaque) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), sv);
      continue;
    }
    const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    const __m128i rlo = Over2(_mm_unpacklo_epi8(sv, zero), _mm_unpacklo_epi8(dv, zero));
    const __m128i rhi = Over2(_mm_unpackhi_epi8(sv, zero), _mm_unpackhi_epi8(dv, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(rlo, rhi));
  }
#endif
  for (; i < n; ++i)
    if (cov[i]) d[i] = Over(tab[cov[i]], d[i]);
}

struct IRect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Empty() const { return x1 <= x0 || y1 <= y0; }
  IRect Intersect(const IRect& o) const {
    return {std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1)};
  }
};

inline int Round(double v) {
  if (v > 1e9) return 1000000000;
  if (v < -1e9) return -1000000000;
  return int(std::lround(v));
}

}  // namespace

struct Surface::State {
  std::vector<uint32_t> px;
  int dw = 0, dh = 0;
  int r = 255, g = 255, b = 255;
  float alpha = 1;
  Blend blend = Blend::Alpha;
  float sx = 1, sy = 1;
  FontPtr font;
  bool viewport = false;
  Rect vp;
  int cr = 0, cg = 0, cb = 0;
  std::function<void()> flip;
  int frames = 0;
  std::vector<uint32_t> cps;
  std::vector<int> adv;
  bool glyphTabValid = false;
  uint32_t glyphKey = 0;  // colour and alpha the table below was made for
  uint32_t glyphTab[256];
  const uint32_t* GlyphTable(uint32_t alpha) {
    const uint32_t key = Pack(alpha, uint32_t(r), uint32_t(g), uint32_t(b));
    if (!glyphTabValid || key != glyphKey) {
      glyphTabValid = true;
      glyphKey = key;
      for (uint32_t c = 0; c < 256; ++c) {
        const uint32_t a = Div255(c * alpha);
        glyphTab[c] = Pack(a, Div255(uint32_t(r) * a), Div255(uint32_t(g) * a), Div255(uint32_t(b) * a));
      }
    }
    return glyphTab;
  }
};

Surface::Surface() : s_(std::make_unique<State>()) {}
Surface::~Surface() = default;

void Surface::Resize(int w, int h, double scale) {
  if (!(scale > 0.1 && scale <= 8)) scale = 1;
  width_ = std::max(w, 0);
  height_ = std::max(h, 0);
  deviceScale_ = scale;
  s_->dw = Round(width_ * scale);
  s_->dh = Round(height_ * scale);
  s_->px.assign(size_t(s_->dw) * s_->dh, Pack(255, s_->cr, s_->cg, s_->cb));
  NewScaleEpoch();
}

int Surface::DeviceWidth() const { return s_->dw; }
int Surface::DeviceHeight() const { return s_->dh; }
const uint32_t* Surface::Pixels() const { return s_->px.data(); }
uint32_t* Surface::Pixels() { return s_->px.data(); }

void Surface::SetColor(int r, int g, int b) {
  s_->r = std::clamp(r, 0, 255);
  s_->g = std::clamp(g, 0, 255);
  s_->b = std::clamp(b, 0, 255);
}
void Surface::SetAlpha(float a) { s_->alpha = std::isnan(a) ? 0.f : std::clamp(a, 0.f, 1.f); }
void Surface::SetBlend(Blend b) { s_->blend = b; }
Blend Surface::CurrentBlend() const { return s_->blend; }
void Surface::SetScale(float sx, float sy) {
  s_->sx = std::isfinite(sx) ? sx : 0;
  s_->sy = std::isfinite(sy) ? sy : 0;
}
void Surface::SetFont(FontPtr f) { s_->font = std::move(f); }
void Surface::SetViewport(int x, int y, int w, int h) {
  s_->viewport = true;
  s_->vp = Rect{x, y, w, h};
}
void Surface::ResetViewport() { s_->viewport = false; }
Rect Surface::Viewport() const { return s_->viewport ? s_->vp : Rect{0, 0, width_, height_}; }
void Surface::SetClsColor(int r, int g, int b) {
  s_->cr = std::clamp(r, 0, 255);
  s_->cg = std::clamp(g, 0, 255);
  s_->cb = std::clamp(b, 0, 255);
}
int Surface::ColorR() const { return s_->r; }
int Surface::ColorG() const { return s_->g; }
int Surface::ColorB() const { return s_->b; }
float Surface::Alpha() const { return s_->alpha; }
float Surface::ScaleX() const { return s_->sx; }
float Surface::ScaleY() const { return s_->sy; }
FontPtr Surface::CurrentFont() const { return s_->font; }

namespace {
IRect DeviceClip(const Surface& s, bool viewport, const Rect& vp) {
  IRect all{0, 0, s.DeviceWidth(), s.DeviceHeight()};
  if (!viewport) return all;
  const double ds = s.DeviceScale();
  IRect v{Round(vp.x * ds), Round(vp.y * ds), Round((double(vp.x) + vp.w) * ds), Round((double(vp.y) + vp.h) * ds)};
  return all.Intersect(v);
}
}  // namespace

void Surface::Cls() { Fill(s_->px.data(), s_->px.size(), Pack(255, s_->cr, s_->cg, s_->cb)); }

void Surface::DrawRect(float x, float y, float w, float h) {
  const double ds = deviceScale_;
  const double w2 = double(w) * s_->sx, h2 = double(h) * s_->sy;
  if (!(w2 > 0 && h2 > 0)) return;
  IRect r{Round(x * ds), Round(y * ds), Round((x + w2) * ds), Round((y + h2) * ds)};
  r = r.Intersect(DeviceClip(*this, s_->viewport, s_->vp));
  if (r.Empty()) return;
  uint32_t c;
  if (s_->blend == Blend::Solid) {
    c = Pack(255, s_->r, s_->g, s_->b);
  } else {
    uint32_t a = uint32_t(std::lround(s_->alpha * 255));
    c = Pack(a, Div255(s_->r * a), Div255(s_->g * a), Div255(s_->b * a));
  }
  for (int yy = r.y0; yy < r.y1; ++yy) FillSpan(s_->px.data() + size_t(yy) * s_->dw + r.x0, r.x1 - r.x0, c);
}

void Surface::DrawImage(const Image& img, float x, float y) {
  const auto* im = dynamic_cast<const ImageImpl*>(&img);
  if (!im) return;
  const double ds = deviceScale_;
  const double tsx = double(s_->sx) * ds, tsy = double(s_->sy) * ds;
  if (!(tsx > 0 && tsy > 0)) return;
  const int w = im->Width(), h = im->Height();
  const int X0 = Round(x * ds), Y0 = Round(y * ds);
  const double dwf = w * tsx, dhf = h * tsy;
  if (dwf > 1e8 || dhf > 1e8) return;
  const int dw = Round(dwf), dh = Round(dhf);
  if (dw <= 0 || dh <= 0) return;
  IRect r{X0, Y0, X0 + dw, Y0 + dh};
  r = r.Intersect(DeviceClip(*this, s_->viewport, s_->vp));
  if (r.Empty()) return;
  const Block* blk;
  int ox = r.x0 - X0, oy = r.y0 - Y0;
  if (dw == w && dh == h) {
    if (!im->Ready()) return;
    blk = &im->Premultiplied();
  } else {
    // Scaled copies are cached: whole while they stay moderate, else only the visible part.
    const uint64_t limit = std::max<uint64_t>(uint64_t(1) << 20, 2ull * s_->dw * s_->dh);
    if (uint64_t(dw) * dh <= limit) {
      blk = &im->Scaled(dw, dh, 0, 0, dw, dh);
    } else {
      blk = &im->Scaled(dw, dh, ox, oy, r.x1 - r.x0, r.y1 - r.y0);
      ox = oy = 0;
    }
    if (blk->px.empty()) return;  // damaged picture
  }
  Mul m;
  const double a = s_->blend == Blend::Solid ? 1.0 : s_->alpha;
  m.a = uint16_t(std::lround(a * 256));
  m.r = uint16_t(std::lround(s_->r * a * 256 / 255));
  m.g = uint16_t(std::lround(s_->g * a * 256 / 255));
  m.b = uint16_t(std::lround(s_->b * a * 256 / 255));
  const int n = r.x1 - r.x0;
  const bool copy = blk->opaque && m.Identity();
  for (int yy = r.y0; yy < r.y1; ++yy) {
    uint32_t* d = s_->px.data() + size_t(yy) * s_->dw + r.x0;
    const uint32_t* s = blk->px.data() + size_t(oy + yy - r.y0) * blk->w + ox;
    if (copy)
      std::memcpy(d, s, size_t(n) * 4);
    else if (s_->blend == Blend::Solid)
      SolidSpan(d, s, n, m);
    else if (blk->opaque)
      LerpSpan(d, s, n, m);
    else
      BlendSpan(d, s, n, m);
  }
}

void Surface::DrawText(const u16& text, float x, float y) {
  FontImpl* f = ToImpl(s_->font.get());
  if (!f || text.empty()) return;
  const int size = s_->font->Size();
  const double ds = deviceScale_;
  const double tsx = double(s_->sx) * ds, tsy = double(s_->sy) * ds;
  if (!(tsx > 0 && tsy > 0)) return;
  const int pw = Round(size * tsx), ph = Round(size * tsy);
  Advances(*f, text, s_->cps, s_->adv);
  const IRect clip = DeviceClip(*this, s_->viewport, s_->vp);
  const int baseline = Round((y + double(FontAscender(*f)) * s_->sy) * ds);
  const bool solid = s_->blend == Blend::Solid;
  const uint32_t A = solid ? 255 : uint32_t(std::lround(s_->alpha * 255));
  const uint32_t cr = s_->r, cg = s_->g, cb = s_->b;
  const uint32_t* tab = solid ? nullptr : s_->GlyphTable(A);
  double pen = x * ds;
  for (size_t i = 0; i < s_->cps.size(); ++i) {
    const uint32_t cp = s_->cps[i];
    const double at = pen;
    pen += s_->adv[i] * tsx;
    if (cp < 32) continue;
    const Glyph* g = GlyphAt(*f, cp, pw, ph);
    if (!g || !g->visible) continue;
    const int gx = Round(at) + g->left, gy = baseline - g->top;
    IRect r = IRect{gx, gy, gx + g->w, gy + g->h}.Intersect(clip);
    if (r.Empty()) continue;
    for (int yy = r.y0; yy < r.y1; ++yy) {
      uint32_t* d = s_->px.data() + size_t(yy) * s_->dw;
      const uint8_t* cov = g->cov.data() + size_t(yy - gy) * g->w + (r.x0 - gx);
      if (solid) {
        for (int xx = r.x0; xx < r.x1; ++xx)
          if (cov[xx - r.x0] >= 128) d[xx] = Pack(255, cr, cg, cb);
      } else {
        GlyphSpan(d + r.x0, cov, r.x1 - r.x0, tab);
      }
    }
  }
}

int Surface::TextWidth(const u16& text) const { return s_->font ? s_->font->TextWidth(text) : 0; }
int Surface::TextHeight(const u16& text) const { return s_->font ? s_->font->TextHeight(text) : 0; }

PixmapPtr Surface::Grab(int x, int y, int w, int h) const {
  auto out = std::make_shared<Pixmap>(std::max(w, 0), std::max(h, 0), 0u);
  const double ds = deviceScale_;
  for (int j = 0; j < out->height; ++j) {
    const int ly = y + j;
    const int dy0 = int(std::floor(ly * ds)), dy1 = std::max(dy0 + 1, int(std::floor((ly + 1) * ds)));
    for (int i = 0; i < out->width; ++i) {
      const int lx = x + i;
      const int dx0 = int(std::floor(lx * ds)), dx1 = std::max(dx0 + 1, int(std::floor((lx + 1) * ds)));
      uint32_t sum[4] = {0, 0, 0, 0};
      const uint32_t count = uint32_t(dx1 - dx0) * uint32_t(dy1 - dy0);
      for (int yy = std::max(dy0, 0); yy < std::min(dy1, s_->dh); ++yy)
        for (int xx = std::max(dx0, 0); xx < std::min(dx1, s_->dw); ++xx) {
          const uint32_t c = s_->px[size_t(yy) * s_->dw + xx];
          sum[0] += c >> 24, sum[1] += (c >> 16) & 255, sum[2] += (c >> 8) & 255, sum[3] += c & 255;
        }
      auto avg = [count](uint32_t v) { return (v + count / 2) / count; };
      out->pixels[size_t(j) * out->width + i] = Unpremultiply(Pack(avg(sum[0]), avg(sum[1]), avg(sum[2]), avg(sum[3])));
    }
  }
  return out;
}

void Surface::Flip() {
  ++s_->frames;
  if (s_->flip) s_->flip();
}
void Surface::SetFlipHandler(std::function<void()> handler) { s_->flip = std::move(handler); }
int Surface::Frames() const { return s_->frames; }

namespace {
Surface* g_target = nullptr;
}
void SetTarget(Surface* s) { g_target = s; }
Surface* Target() { return g_target; }

}  // namespace draw
