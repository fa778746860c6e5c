// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace audio::detail {

Mixer::Mixer(int rate) : rate_(rate > 0 ? rate : 48000) {
  volumeRamp_ = std::max(1, rate_ * 5 / 1000);  // 5 ms
  startRamp_ = std::max(1, rate_ * 2 / 1000);   // 2 ms: keeps the attack of a sound
  startStep_ = 1.0f / static_cast<float>(startRamp_);
  endRamp_ = std::max(1, rate_ * 3 / 1000);     // 3 ms
  gainStep_ = 1.0f / static_cast<float>(volumeRamp_);
  release_ = 1.0f - std::exp(-1.0f / (0.15f * static_cast<float>(rate_)));  // 150 ms
}

void Mixer::MixVoice(Voice& v, float* out, int frames) {
  const size_t len = v.pcm ? v.pcm->Frames() : 0;
  const int16_t* s = len ? v.pcm->samples.data() : nullptr;
  constexpr float kStep = 1.0f / kPcmEins;
  const float target = std::clamp(v.volume.load(std::memory_order_relaxed), 0.0f, 1.0f);
  const size_t fadeFrom = len > static_cast<size_t>(endRamp_) ? len - endRamp_ : 0;
  int i = 0;
  while (i < frames && v.pos < len) {
    if (v.gain == target && v.pos < fadeFrom) {
      // steady stretch: plain multiply-add
      int n = static_cast<int>(std::min<size_t>(frames - i, fadeFrom - v.pos));
      const int16_t* src = s + 2 * v.pos;
      float* dst = out + 2 * i;
      const float g = v.gain * kStep;
      if (g != 0.0f)
        for (int k = 0; k < 2 * n; ++k) dst[k] += g * src[k];
      v.pos += n;
      i += n;
      continue;
    }
    // ramping: volume change, start, or the last frames of the sound
    const float step = v.pos < static_cast<size_t>(startRamp_) ? startStep_ : gainStep_;
    if (v.gain < target)
      v.gain = std::min(target, v.gain + step);
    else if (v.gain > target)
      v.gain = std::max(target, v.gain - step);
    float g = v.gain * kStep;
    if (v.pos >= fadeFrom) g *= static_cast<float>(len - 1 - v.pos) / static_cast<float>(endRamp_);
    out[2 * i] += g * s[2 * v.pos];
    out[2 * i + 1] += g * s[2 * v.pos + 1];
    ++v.pos;
    ++i;
  }
}

void Mixer::Mix(float* out, int frames) {
  std::memset(out, 0, sizeof(float) * 2 * static_cast<size_t>(frames));

  // hand back voices that could not be retired last time
  while (pendingCount_ > 0 && retired_.Push(pendingRetire_[pendingCount_ - 1])) --pendingCount_;
  // take new voices while there is room
  while (activeCount_ + pendingCount_ < kMaxVoices) {
    Voice* v = nullptr;
    if (!starts_.Pop(v)) break;
    active_[activeCount_++] = v;
  }

  for (int a = 0; a < activeCount_;) {
    Voice* v = active_[a];
    MixVoice(*v, out, frames);
    if (!v->pcm || v->pos >= v->pcm->Frames()) {
      v->state.store(kFinished, std::memory_order_release);
      if (!retired_.Push(v)) pendingRetire_[pendingCount_++] = v;
      active_[a] = active_[--activeCount_];
    } else {
      ++a;
    }
  }

  // Peak limiter: instant attack, smooth release. Keeps |out| <= kCeiling
  // and leaves sums below the ceiling untouched.
  float g = limiterGain_;
  for (int i = 0; i < frames; ++i) {
    float l = out[2 * i], r = out[2 * i + 1];
    float peak = std::max(std::fabs(l), std::fabs(r));
    if (peak * g > kCeiling) g = kCeiling / peak;
    out[2 * i] = l * g;
    out[2 * i + 1] = r * g;
    g += (1.0f - g) * release_;
  }
  if (g > 0.9999f) g = 1.0f;  // the release would otherwise stall just below 1
  limiterGain_ = g;
}

}  // namespace audio::detail
