// SPDX-License-Identifier: GPL-3.0-or-later
// Drawable images: premultiplied pixels and cached resampled copies. Pictures
// that stay loaded for the whole run keep their file's bytes and decode them
// when first needed, on the drawing thread or on a background thread.
// The resampling loops are plain float arithmetic that GCC vectorises at -O3.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("O3")
#endif
#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <new>
#include <thread>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "platform/draw/draw_internal.h"
#include "platform/fs/fs.h"

namespace draw {

using namespace detail;

namespace {

// Width and height from a PNG's header; false when the bytes are no PNG.
bool PngSize(const std::string& b, int& w, int& h) {
  static const unsigned char sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (b.size() < 33 || std::memcmp(b.data(), sig, 8) != 0 || b.compare(12, 4, "IHDR") != 0) return false;
  auto be32 = [&b](size_t at) {
    const auto* u = reinterpret_cast<const unsigned char*>(b.data() + at);
    return (uint32_t(u[0]) << 24) | (uint32_t(u[1]) << 16) | (uint32_t(u[2]) << 8) | uint32_t(u[3]);
  };
  const uint32_t pw = be32(16), ph = be32(20);
  if (!SizeAcceptable(pw, ph)) return false;
  w = int(pw);
  h = int(ph);
  return true;
}

// The background decoder: one thread, started on first use, that decodes the
// pictures handed to Prefetch in order.
struct Prefetcher {
  std::mutex mu;
  std::condition_variable cv;
  std::deque<std::weak_ptr<ImageImpl>> work;
  bool busy = false;
  bool stop = false;
  std::thread worker;

  ~Prefetcher() {
    {
      std::lock_guard<std::mutex> lk(mu);
      stop = true;
      work.clear();
    }
    cv.notify_all();
    if (worker.joinable()) worker.join();
  }
  void Run() {
    // Decoding ahead gives way to the drawing thread when cores are scarce.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
    std::unique_lock<std::mutex> lk(mu);
    for (;;) {
      cv.wait(lk, [this] { return stop || !work.empty(); });
      if (stop) return;
      auto job = work.front();
      work.pop_front();
      busy = true;
      lk.unlock();
      if (auto img = job.lock()) img->Warm();
      lk.lock();
      busy = false;
      cv.notify_all();
    }
  }
  void Add(std::weak_ptr<ImageImpl> img) {
    std::lock_guard<std::mutex> lk(mu);
    if (stop) return;
    work.push_back(std::move(img));
    if (!worker.joinable()) worker = std::thread([this] { Run(); });
    cv.notify_all();
  }
  void Wait() {
    std::unique_lock<std::mutex> lk(mu);
    cv.wait(lk, [this] { return stop || (work.empty() && !busy); });
  }
};

Prefetcher& Background() {
  static Prefetcher p;
  return p;
}

std::atomic<unsigned> g_epoch{1};

// Unscaled pixels of a re-decodable picture at least this large are freed once
// a whole scaled copy has been made: the backgrounds are only ever drawn scaled.
constexpr size_t kFreeAfterScaling = size_t(256) * 1024;

}  // namespace

std::shared_ptr<Image> Image::Load(const u16& path) {
  auto p = Pixmap::Load(path);
  if (!p) return nullptr;
  return FromPixmap(*p);
}

std::shared_ptr<Image> Image::LoadDeferred(const u16& path) {
  auto bytes = fs::ReadAll(path, size_t(512) << 20);
  if (!bytes) return nullptr;
  int w = 0, h = 0;
  if (PngSize(*bytes, w, h)) return std::make_shared<ImageImpl>(std::move(*bytes), w, h);
  auto p = Pixmap::Decode(*bytes);
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

void WaitForPrefetch() { Background().Wait(); }

namespace detail {

void NewScaleEpoch() { g_epoch.fetch_add(1, std::memory_order_relaxed); }

namespace {
void PremultiplyInto(Block& b, std::vector<uint32_t>&& px, int w, int h) {
  b.w = w;
  b.h = h;
  b.px = std::move(px);
  b.opaque = true;
  for (auto& c : b.px) {
    if ((c >> 24) != 255) b.opaque = false;
    c = Premultiply(c);
  }
}
}  // namespace

ImageImpl::ImageImpl(const Pixmap& p) : w_(p.width), h_(p.height), decoded_(true) {
  PremultiplyInto(pm_, std::vector<uint32_t>(p.pixels), p.width, p.height);
}

ImageImpl::ImageImpl(std::string encoded, int w, int h) : encoded_(std::move(encoded)), w_(w), h_(h) {}

int ImageImpl::Width() const {
  std::lock_guard<std::mutex> lk(m_);
  return broken_ ? 0 : w_;
}

int ImageImpl::Height() const {
  std::lock_guard<std::mutex> lk(m_);
  return broken_ ? 0 : h_;
}

bool ImageImpl::DecodeLocked() const {
  if (decoded_) return true;
  if (broken_) return false;
  PixmapPtr p = Pixmap::Decode(encoded_);
  if (!p || p->width != w_ || p->height != h_) {
    broken_ = true;
    return false;
  }
  try {
    PremultiplyInto(pm_, std::move(p->pixels), w_, h_);
  } catch (const std::bad_alloc&) {
    return false;
  }
  decoded_ = true;
  return true;
}

bool ImageImpl::Ready() const {
  std::lock_guard<std::mutex> lk(m_);
  return DecodeLocked();
}

void ImageImpl::Warm() const {
  std::lock_guard<std::mutex> lk(m_);
  if (cache_.empty()) DecodeLocked();
}

void ImageImpl::Prefetch() {
  {
    std::lock_guard<std::mutex> lk(m_);
    if (decoded_ || broken_ || !cache_.empty()) return;
  }
  Background().Add(weak_from_this());
}

void ImageImpl::DropCaches() {
  std::lock_guard<std::mutex> lk(m_);
  cache_.clear();
  if (!encoded_.empty() && decoded_) {
    decoded_ = false;
    pm_ = Block();
  }
}

void ImageImpl::DropScaledCopies() {
  std::lock_guard<std::mutex> lk(m_);
  cache_.clear();
}

size_t ImageImpl::CachedBytes() const {
  std::lock_guard<std::mutex> lk(m_);
  size_t n = pm_.px.size() * 4;
  for (const auto& e : cache_) n += e.block.px.size() * 4;
  return n;
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
  // The output is made in bands of rows: the horizontal pass (four float
  // channels per pixel) covers only the source rows one band needs, so the
  // buffer stays small however large the picture.
  constexpr int kBand = 32;
  std::vector<float> tmp;
  std::vector<float> acc(size_t(ww) * 4);
  for (int j0 = 0; j0 < wh; j0 += kBand) {
    const int j1 = std::min(wh, j0 + kBand);
    int rowLo = ty.first[j0], rowHi = ty.first[j0] + ty.count[j0] - 1;
    for (int j = j0; j < j1; ++j) {
      rowLo = std::min(rowLo, ty.first[j]);
      rowHi = std::max(rowHi, ty.first[j] + ty.count[j] - 1);
    }
    // Horizontal pass over the source rows this band needs.
    const int rows = rowHi - rowLo + 1;
    tmp.resize(size_t(rows) * ww * 4);
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
    for (int j = j0; j < j1; ++j) {
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
  }
  out.opaque = std::all_of(out.px.begin(), out.px.end(), [](uint32_t c) { return (c >> 24) == 255; });
  return out;
}
}  // namespace

const Block& ImageImpl::Scaled(int dw, int dh, int wx, int wy, int ww, int wh) const {
  const unsigned epoch = g_epoch.load(std::memory_order_relaxed);
  std::lock_guard<std::mutex> lk(m_);
  for (auto it = cache_.begin(); it != cache_.end(); ++it) {
    if (it->dw == dw && it->dh == dh && it->wx == wx && it->wy == wy && it->ww == ww && it->wh == wh) {
      it->epoch = epoch;
      if (it != cache_.begin()) cache_.splice(cache_.begin(), cache_, it);
      return cache_.front().block;
    }
  }
  if (!DecodeLocked()) {
    static const Block empty;
    return empty;
  }
  // Copies for sizes the canvas no longer has go first.
  cache_.remove_if([epoch](const Entry& e) { return e.epoch != epoch; });
  const bool whole = wx == 0 && wy == 0 && ww == dw && wh == dh;
  const bool freeAfter = whole && !encoded_.empty() && pm_.px.size() >= kFreeAfterScaling;
  if (freeAfter && dw == w_ && dh == h_) {
    // Drawn at its own size (a background on a canvas of its size): the
    // decoded pixels are the copy, no second buffer and no filtering.
    cache_.push_front(Entry{dw, dh, wx, wy, ww, wh, epoch, std::move(pm_)});
  } else {
    cache_.push_front(Entry{dw, dh, wx, wy, ww, wh, epoch, Resample(pm_, dw, dh, wx, wy, ww, wh)});
  }
  while (cache_.size() > 2) cache_.pop_back();
  if (freeAfter) {
    decoded_ = false;
    pm_ = Block();
  }
  return cache_.front().block;
}

}  // namespace detail
}  // namespace draw
