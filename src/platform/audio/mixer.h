// SPDX-License-Identifier: GPL-3.0-or-later
// The mixer: any number of voices summed in float, with short gain ramps and
// a peak limiter. One thread (the game) starts voices, another (the device's
// callback, or the caller of Render) mixes them; the two meet only in two
// single-producer single-consumer rings, so the mixing side never locks,
// allocates or frees.
#pragma once
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstddef>
#include <memory>
#include <vector>

namespace audio::detail {

// Samples of one sound at the mixer's rate, stereo interleaved, as 16-bit
// integers: kPcmEins steps per unit, so -2..2 (the range decoding keeps)
// fits; half the memory of floats, with steps far below anything audible.
constexpr float kPcmEins = 16384.0f;
inline int16_t ToPcm(float x) {
  float v = x * kPcmEins;
  if (!(v > -32767.0f)) v = v != v ? 0.0f : -32767.0f;  // NaN -> 0
  if (v > 32767.0f) v = 32767.0f;
  return static_cast<int16_t>(std::lrint(v));
}
struct Pcm {
  std::vector<int16_t> samples;
  size_t Frames() const { return samples.size() / 2; }
};
using PcmPtr = std::shared_ptr<const Pcm>;

enum VoiceState : int { kCued = 0, kPlaying = 1, kFinished = 2 };

struct Voice {
  PcmPtr pcm;
  std::atomic<float> volume{1.0f};  // written by the game, read by the mixer
  std::atomic<int> state{kCued};
  // mixing side only
  size_t pos = 0;
  float gain = 0.0f;
};

template <typename T, size_t N>
class SpscRing {
  static_assert((N & (N - 1)) == 0, "capacity must be a power of two");

 public:
  bool Push(T v) {
    size_t t = tail_.load(std::memory_order_relaxed);
    if (t - head_.load(std::memory_order_acquire) >= N) return false;
    items_[t & (N - 1)] = v;
    tail_.store(t + 1, std::memory_order_release);
    return true;
  }
  bool Pop(T& v) {
    size_t h = head_.load(std::memory_order_relaxed);
    if (h == tail_.load(std::memory_order_acquire)) return false;
    v = items_[h & (N - 1)];
    head_.store(h + 1, std::memory_order_release);
    return true;
  }

 private:
  T items_[N]{};
  std::atomic<size_t> head_{0};
  std::atomic<size_t> tail_{0};
};

class Mixer {
 public:
  static constexpr int kMaxVoices = 256;

  explicit Mixer(int rate);
  int Rate() const { return rate_; }

  // Game side. Start hands a voice to the mixing side; the caller keeps the
  // voice alive until Retired gives it back. False when the queue is full.
  bool Start(Voice* v) { return starts_.Push(v); }
  bool Retired(Voice*& v) { return retired_.Pop(v); }

  // Mixing side: writes `frames` stereo frames into out.
  void Mix(float* out, int frames);

  // Ramp lengths in frames.
  int VolumeRamp() const { return volumeRamp_; }
  int EndRamp() const { return endRamp_; }

 private:
  void MixVoice(Voice& v, float* out, int frames);

  int rate_;
  int volumeRamp_;   // frames for a full-scale volume change
  int startRamp_;    // frames of the fade-in at the start of a sound
  float startStep_;
  int endRamp_;      // fade-out over the last frames of a sound
  float gainStep_;
  float limiterGain_ = 1.0f;
  float release_;
  SpscRing<Voice*, 1024> starts_;
  SpscRing<Voice*, 1024> retired_;
  Voice* active_[kMaxVoices]{};
  int activeCount_ = 0;
  Voice* pendingRetire_[kMaxVoices]{};
  int pendingCount_ = 0;
};

// Highest output magnitude the limiter lets through.
constexpr float kCeiling = 0.98f;

}  // namespace audio::detail
