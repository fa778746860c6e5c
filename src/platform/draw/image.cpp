// SPDX-License-Identifier: GPL-3.0-or-later
// Drawable images: premultiplied pixels and cached resampled copies.
// The resampling loops are plain float arithmetic that GCC vectorises at -O3.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("O3")
#endif
#include <algorithm>
#include <cmath>
#include <new>

#include "platform/draw/draw_internal.h"

namespace draw {

using namespace detail;

std::shared_ptr<Image> Image::Load(const u16& path) {
  auto p = Pixmap::Load(path);
  if (!p) return nullptr;
  return FromPixmap(*p);
}

std::shared_ptr<Image> Image::FromPixmap(const Pixmap& p) {
  if (p.width <= 0 || p.height <= 0 || p.pixels.size() != size_t(p.width) * p.height) return nullptr;
  try {
    return std::make_shared<ImageImpl>(p);
  } catch (const std::bad_alloc&) {
    return nullptr;  // no memory for the copies: the picture is not shown
  }
}

namespace detail {

ImageImpl::ImageImpl(const Pixmap& p) : src_(p) {
  pm_.w = p.width;
  pm_.h = p.height;
  pm_.px.resize(p.pixels.size());
  pm_.opaque = true;
  for (size_t i = 0; i < p.pixels.size(); ++i) {
    pm_.px[i] = Premultiply(p.pixels[i]);
    if ((p.pixels[i] >> 24) != 255) pm_.opaque = false;
  }
}

namespace {
// Filter taps of one output coordinate: a triangle filter, widened when the
// picture shrinks so that every source pixel contributes (bilinear when it grows).
struct Taps {
  std::vector<int> first, count;
  std::vector<float> weight;
  int maxCount = 0;
};

Taps MakeTaps(int srcLen, int dstLen, int from, int len) {
  Taps t;
  const double scale = double(dstLen) / srcLen;
  const double support = scale >= 1 ? 1.0 : 1.0 / scale;
  const int capacity = int(std::ceil(support)) * 2 + 2;
  t.first.resize(len);
  t.count.resize(len);
  t.weight.assign(size_t(len) * capacity, 0.f);
  t.maxCount = capacity;
  for (int i = 0; i < len; ++i) {
    double centre = (from + i + 0.5) / scale - 0.5;
    int lo = int(std::floor(centre - support)) + 1, hi = int(std::floor(centre + support));
    lo = std::max(lo, 0);
    hi = std::min(hi, srcLen - 1);
    if (hi < lo) lo = hi = std::clamp(int(std::lround(centre)), 0, srcLen - 1);
    double sum = 0;
    float* w = &t.weight[size_t(i) * capacity];
    int n = 0;
    for (int s = lo; s <= hi && n < capacity; ++s, ++n) {
      double v = 1.0 - std::abs(s - centre) / support;
      w[n] = float(v > 0 ? v : 0);
      sum += w[n];
    }
    if (sum <= 0) {
      w[0] = 1, n = 1;
      sum = 1;
    }
    for (int k = 0; k < n; ++k) w[k] = float(w[k] / sum);
    t.first[i] = lo;
    t.count[i] = n;
  }
  return t;
}

Block Resample(const Block& src, int dw, int dh, int wx, int wy, int ww, int wh) {
  Block out;
  out.w = ww;
  out.h = wh;
  out.px.assign(size_t(ww) * wh, 0);
  if (ww <= 0 || wh <= 0) return out;
  Taps tx = MakeTaps(src.w, dw, wx, ww), ty = MakeTaps(src.h, dh, wy, wh);
  int rowLo = ty.first[0], rowHi = ty.first[wh - 1] + ty.count[wh - 1] - 1;
  for (int i = 0; i < wh; ++i) {
    rowLo = std::min(rowLo, ty.first[i]);
    rowHi = std::max(rowHi, ty.first[i] + ty.count[i] - 1);
  }
  // Horizontal pass over the source rows needed, four float channels per pixel.
  const int rows = rowHi - rowLo + 1;
  std::vector<float> tmp(size_t(rows) * ww * 4);
  for (int r = 0; r < rows; ++r) {
    const uint32_t* s = src.px.data() + size_t(rowLo + r) * src.w;
    float* o = tmp.data() + size_t(r) * ww * 4;
    for (int i = 0; i < ww; ++i) {
      const float* w = &tx.weight[size_t(i) * tx.maxCount];
      const uint32_t* p = s + tx.first[i];
      float a = 0, rr = 0, g = 0, b = 0;
      for (int k = 0; k < tx.count[i]; ++k) {
        uint32_t c = p[k];
        a += w[k] * float(c >> 24);
        rr += w[k] * float((c >> 16) & 255);
        g += w[k] * float((c >> 8) & 255);
        b += w[k] * float(c & 255);
      }
      o[i * 4] = a, o[i * 4 + 1] = rr, o[i * 4 + 2] = g, o[i * 4 + 3] = b;
    }
  }
  // Vertical pass.
  std::vector<float> acc(size_t(ww) * 4);
  for (int j = 0; j < wh; ++j) {
    std::fill(acc.begin(), acc.end(), 0.f);
    const float* w = &ty.weight[size_t(j) * ty.maxCount];
    for (int k = 0; k < ty.count[j]; ++k) {
      const float* t = tmp.data() + size_t(ty.first[j] + k - rowLo) * ww * 4;
      const float wk = w[k];
      for (int i = 0; i < ww * 4; ++i) acc[i] += wk * t[i];
    }
    uint32_t* o = out.px.data() + size_t(j) * ww;
    for (int i = 0; i < ww; ++i) {
      const float a = std::clamp(acc[i * 4], 0.f, 255.f);
      const float r = std::clamp(acc[i * 4 + 1], 0.f, a), g = std::clamp(acc[i * 4 + 2], 0.f, a),
                  b = std::clamp(acc[i * 4 + 3], 0.f, a);
      o[i] = Pack(uint32_t(a + 0.5f), uint32_t(r + 0.5f), uint32_t(g + 0.5f), uint32_t(b + 0.5f));
    }
  }
  out.opaque = std::all_of(out.px.begin(), out.px.end(), [](uint32_t c) { return (c >> 24) == 255; });
  return out;
}
}  // namespace

const Block& ImageImpl::Scaled(int dw, int dh, int wx, int wy, int ww, int wh) const {
  for (auto it = cache_.begin(); it != cache_.end(); ++it) {
    if (it->dw == dw && it->dh == dh && it->wx == wx && it->wy == wy && it->ww == ww && it->wh == wh) {
      if (it != cache_.begin()) cache_.splice(cache_.begin(), cache_, it);
      return cache_.front().block;
    }
  }
  cache_.push_front(Entry{dw, dh, wx, wy, ww, wh, Resample(pm_, dw, dh, wx, wy, ww, wh)});
  while (cache_.size() > 2) cache_.pop_back();
  return cache_.front().block;
}

}  // namespace detail
}  // namespace draw
