// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/decode.h"

#include "platform/audio/mixer.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <numeric>

namespace audio::detail {
namespace {

// Sample rates outside the usual range are refused: a header claiming 1 Hz
// would make every decoded frame tens of thousands of output frames.
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;
constexpr int kMaxChannels = 255;

// vorbisfile reads through these callbacks from bytes held in memory.
struct MemoryFile {
  const unsigned char* data;
  size_t size;
  size_t pos;
};

size_t MemRead(void* ptr, size_t size, size_t nmemb, void* source) {
  auto* f = static_cast<MemoryFile*>(source);
  if (size == 0 || nmemb == 0 || f->pos >= f->size) return 0;
  size_t items = std::min(nmemb, (f->size - f->pos) / size);
  std::memcpy(ptr, f->data + f->pos, items * size);
  f->pos += items * size;
  return items;
}

int MemSeek(void* source, ogg_int64_t offset, int whence) {
  auto* f = static_cast<MemoryFile*>(source);
  ogg_int64_t base = 0;
  switch (whence) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<ogg_int64_t>(f->pos); break;
    case SEEK_END: base = static_cast<ogg_int64_t>(f->size); break;
    default: return -1;
  }
  ogg_int64_t target = base + offset;
  if (target < 0 || target > static_cast<ogg_int64_t>(f->size)) return -1;
  f->pos = static_cast<size_t>(target);
  return 0;
}

long MemTell(void* source) { return static_cast<long>(static_cast<MemoryFile*>(source)->pos); }

const ov_callbacks kMemoryCallbacks = {MemRead, MemSeek, nullptr, MemTell};

class VorbisReader {
 public:
  explicit VorbisReader(const std::string& bytes)
      : file_{reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0} {
    open_ = ov_open_callbacks(&file_, &vf_, nullptr, 0, kMemoryCallbacks) == 0;
  }
  ~VorbisReader() {
    if (open_) ov_clear(&vf_);
  }
  bool Open() const { return open_; }
  OggVorbis_File* Get() { return &vf_; }

 private:
  MemoryFile file_;
  OggVorbis_File vf_{};
  bool open_ = false;
};

bool UsableInfo(const vorbis_info* vi) {
  return vi && vi->rate >= kMinRate && vi->rate <= kMaxRate && vi->channels >= 1 && vi->channels <= kMaxChannels;
}

// Decoded samples are kept finite and within a sane range: a damaged packet
// must not feed the mixer infinities.
inline float Sane(float x) {
  if (!(x > -2.0f)) return x != x ? 0.0f : -2.0f;  // NaN -> 0, too low -> -2
  return x < 2.0f ? x : 2.0f;
}

// Folds one decoded frame (Vorbis channel order) down to stereo.
void ToStereo(float** pcm, int channels, long i, float& l, float& r) {
  switch (channels) {
    case 1: l = r = pcm[0][i]; return;
    case 2: l = pcm[0][i]; r = pcm[1][i]; return;
    case 3:  // L C R
      l = (pcm[0][i] + 0.7071f * pcm[1][i]) * 0.5858f;
      r = (pcm[2][i] + 0.7071f * pcm[1][i]) * 0.5858f;
      return;
    case 4:  // FL FR RL RR
      l = (pcm[0][i] + 0.7071f * pcm[2][i]) * 0.5858f;
      r = (pcm[1][i] + 0.7071f * pcm[3][i]) * 0.5858f;
      return;
    default: {  // 5 and more: FL C FR RL RR [LFE ...]
      float c = 0.7071f * pcm[1][i];
      l = (pcm[0][i] + c + 0.7071f * pcm[3][i]) * 0.4142f;
      r = (pcm[2][i] + c + 0.7071f * pcm[4][i]) * 0.4142f;
      return;
    }
  }
}

}  // namespace

bool ProbeVorbis(const std::string& bytes, StreamInfo& info) {
  if (bytes.size() < 4 || std::memcmp(bytes.data(), "OggS", 4) != 0) return false;
  VorbisReader reader(bytes);
  if (!reader.Open()) return false;
  const vorbis_info* vi = ov_info(reader.Get(), -1);
  if (!UsableInfo(vi)) return false;
  info.rate = static_cast<int>(vi->rate);
  info.channels = vi->channels;
  double t = ov_time_total(reader.Get(), -1);
  info.seconds = t > 0 ? t : 0;
  return true;
}

namespace {

// Decodes the stream (at most maxFrames frames) and hands each frame, folded
// to stereo, to emit(l, r). `rate` receives the file's rate (0 when nothing
// could be opened); `total` the frames the headers announce (0 when unknown).
template <typename Emit>
void DecodeFrames(const std::string& bytes, size_t maxFrames, int& rate, size_t& total, Emit emit) {
  rate = 0;
  total = 0;
  VorbisReader reader(bytes);
  if (!reader.Open()) return;
  OggVorbis_File* vf = reader.Get();
  const vorbis_info* first = ov_info(vf, -1);
  if (!UsableInfo(first)) return;
  rate = static_cast<int>(first->rate);
  ogg_int64_t announced = ov_pcm_total(vf, -1);
  if (announced > 0) total = std::min<size_t>(static_cast<size_t>(announced), maxFrames);

  int errors = 0;
  size_t frames = 0;
  while (frames < maxFrames) {
    float** pcm = nullptr;
    int link = 0;
    int want = static_cast<int>(std::min<size_t>(4096, maxFrames - frames));
    long got = ov_read_float(vf, &pcm, want, &link);
    if (got == 0) break;  // end of stream
    if (got < 0) {
      if (got == OV_HOLE && ++errors < 64) continue;  // a gap in the data: go on after it
      break;
    }
    const vorbis_info* vi = ov_info(vf, link);
    // A chained stream whose later link has another rate or layout ends here.
    if (!UsableInfo(vi) || vi->rate != first->rate) break;
    for (long i = 0; i < got; ++i) {
      float l, r;
      ToStereo(pcm, vi->channels, i, l, r);
      emit(Sane(l), Sane(r));
    }
    frames += static_cast<size_t>(got);
  }
}

}  // namespace

std::vector<float> DecodeVorbis(const std::string& bytes, size_t maxFrames, int& rate) {
  std::vector<float> out;
  size_t total = 0;
  bool reserved = false;
  DecodeFrames(bytes, maxFrames, rate, total, [&](float l, float r) {
    if (!reserved) {
      reserved = true;
      if (total > 0) out.reserve(2 * total);
    }
    out.push_back(l);
    out.push_back(r);
  });
  return out;
}

namespace {

// One polyphase table of a Blackman-windowed sinc low-pass: `phases` rows of
// 2 * kHalf taps, each row normalised to unit gain.
constexpr int kHalf = 16;

// Four float lanes (SSE, NEON) through the compiler's vector extension.
constexpr int kLanes = 4;
typedef float Lanes __attribute__((vector_size(16)));
inline Lanes Load(const float* p) {
  Lanes v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

std::vector<float> MakeTable(int phases, double cutoff) {
  std::vector<float> table(static_cast<size_t>(phases) * 2 * kHalf);
  for (int p = 0; p < phases; ++p) {
    double frac = static_cast<double>(p) / phases;
    float* row = &table[static_cast<size_t>(p) * 2 * kHalf];
    double sum = 0;
    for (int i = 0; i < 2 * kHalf; ++i) {
      double d = frac + (kHalf - 1) - i;  // distance of tap i from the output instant
      double x = d / kHalf;
      double w = std::fabs(x) >= 1 ? 0 : 0.42 + 0.5 * std::cos(M_PI * x) + 0.08 * std::cos(2 * M_PI * x);
      double a = 2 * cutoff * d;
      double s = a == 0 ? 1 : std::sin(M_PI * a) / (M_PI * a);
      row[i] = static_cast<float>(2 * cutoff * s * w);
      sum += row[i];
    }
    if (sum != 0)
      for (int i = 0; i < 2 * kHalf; ++i) row[i] = static_cast<float>(row[i] / sum);
  }
  return table;
}

}  // namespace

namespace {

// Output instant j lies at input position j * from / to. With the ratio in
// lowest terms (up / down), the fractional part repeats every `up` outputs:
// an exact polyphase table when `up` is small (44100 <-> 48000: 160 or 147).
struct Polyphase {
  long long up = 1, down = 1;
  int phases = 1;
  std::vector<float> table;

  Polyphase(int from, int to) {
    long long g = std::gcd(from, to);
    up = to / g;
    down = from / g;
    phases = up <= 1024 ? static_cast<int>(up) : 1024;
    double cutoff = 0.5 * std::min(1.0, static_cast<double>(to) / from) * 0.94;  // cycles per input sample
    table = MakeTable(phases, cutoff);
  }
  size_t OutFrames(size_t inFrames) const {
    return static_cast<size_t>((static_cast<long long>(inFrames) * up + down - 1) / down);
  }
  // Input frame n of output frame j: its taps are input frames n - kHalf + 1
  // to n + kHalf, at n + 1 to n + 2 * kHalf in copies padded with kHalf
  // frames of silence in front.
  long long Frame(size_t j) const { return static_cast<long long>(j) * down / up; }
  // Output frame j from padded planar copies; l and r point at padded frame
  // n + 1.
  void Compute(size_t j, const float* l, const float* r, float& sl, float& sr) const {
    long long num = static_cast<long long>(j) * down;  // input position * up
    int p = up <= 1024 ? static_cast<int>(num % up)
                       : static_cast<int>(static_cast<double>(num % up) / up * phases) % phases;
    const float* row = &table[static_cast<size_t>(p) * 2 * kHalf];
    Lanes accL = {}, accR = {};
    for (int i = 0; i < 2 * kHalf; i += kLanes) {
      Lanes h = Load(row + i);
      accL += h * Load(l + i);
      accR += h * Load(r + i);
    }
    sl = 0;
    sr = 0;
    for (int k = 0; k < kLanes; ++k) {
      sl += accL[k];
      sr += accR[k];
    }
  }
};

template <typename Out, typename Convert>
std::vector<Out> Resample(std::vector<float> in, int from, int to, Convert convert) {
  if (from <= 0 || to <= 0 || from == to || in.empty()) {
    std::vector<Out> same(in.size());
    std::transform(in.begin(), in.end(), same.begin(), convert);
    return same;
  }
  const size_t inFrames = in.size() / 2;
  const Polyphase pp(from, to);
  size_t outFrames = pp.OutFrames(inFrames);
  // Planar copies padded with silence on both sides: every output frame then
  // reads 2 * kHalf contiguous samples per side, a loop the compiler vectorises.
  std::vector<float> left(inFrames + 2 * kHalf, 0.0f), right(inFrames + 2 * kHalf, 0.0f);
  for (size_t i = 0; i < inFrames; ++i) {
    left[i + kHalf] = in[2 * i];
    right[i + kHalf] = in[2 * i + 1];
  }
  in = std::vector<float>();  // read: its memory goes before the output's comes
  std::vector<Out> out(outFrames * 2);
  for (size_t j = 0; j < outFrames; ++j) {
    const size_t n = static_cast<size_t>(pp.Frame(j));
    float sl, sr;
    pp.Compute(j, &left[n + 1], &right[n + 1], sl, sr);
    out[2 * j] = convert(sl);
    out[2 * j + 1] = convert(sr);
  }
  return out;
}

}  // namespace

std::vector<int16_t> DecodeVorbisToPcm(const std::string& bytes, size_t maxFrames, int to, int& rate) {
  std::vector<int16_t> out;
  size_t total = 0;
  std::unique_ptr<Polyphase> pp;  // made with the first frame, when the file's rate is known
  bool direct = false;
  // The input not yet used up, planar, padded with kHalf frames of silence in
  // front: left[0] is padded frame `base`.
  std::vector<float> left, right;
  size_t base = 0, inFrames = 0, j = 0;
  // Computes every output frame whose taps lie before padded frame `end`,
  // then lets go of the input that no later frame reads.
  auto produce = [&](size_t end, size_t lastFrame) {
    for (; j < lastFrame; ++j) {
      const size_t n = static_cast<size_t>(pp->Frame(j));
      if (n + 2 * kHalf >= end) break;
      float sl, sr;
      pp->Compute(j, &left[n + 1 - base], &right[n + 1 - base], sl, sr);
      out.push_back(ToPcm(sl));
      out.push_back(ToPcm(sr));
    }
    const size_t keep = static_cast<size_t>(pp->Frame(j)) + 1;  // first tap of the next frame
    if (keep > base && keep - base >= 8192) {
      const size_t drop = std::min(keep - base, left.size());
      left.erase(left.begin(), left.begin() + static_cast<long>(drop));
      right.erase(right.begin(), right.begin() + static_cast<long>(drop));
      base += drop;
    }
  };
  DecodeFrames(bytes, maxFrames, rate, total, [&](float l, float r) {
    if (inFrames == 0) {
      direct = rate <= 0 || to <= 0 || rate == to;
      if (!direct) {
        pp = std::make_unique<Polyphase>(rate, to);
        left.assign(kHalf, 0.0f);
        right.assign(kHalf, 0.0f);
      }
      if (total > 0) out.reserve(2 * (direct ? total : pp->OutFrames(total)));
    }
    ++inFrames;
    if (direct) {
      out.push_back(ToPcm(l));
      out.push_back(ToPcm(r));
      return;
    }
    left.push_back(l);
    right.push_back(r);
    if (left.size() >= 16384) produce(base + left.size(), SIZE_MAX);
  });
  if (pp && inFrames > 0) {
    left.resize(left.size() + kHalf, 0.0f);
    right.resize(right.size() + kHalf, 0.0f);
    produce(base + left.size(), pp->OutFrames(inFrames));
  }
  out.shrink_to_fit();
  return out;
}

std::vector<float> ResampleStereo(const std::vector<float>& in, int from, int to) {
  if (from <= 0 || to <= 0 || from == to || in.empty()) return in;
  return Resample<float>(in, from, to, [](float x) { return x; });
}

std::vector<int16_t> ResampleToPcm(std::vector<float> in, int from, int to) {
  return Resample<int16_t>(std::move(in), from, to, [](float x) { return ToPcm(x); });
}

}  // namespace audio::detail
