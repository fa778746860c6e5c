// SPDX-License-Identifier: GPL-3.0-or-later
// Level of rendered audio: RMS and peak over a range of interleaved samples.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace testing_support {

struct Level {
  double rms = 0, peak = 0;
};

inline Level Measure(const std::vector<float>& s, size_t from = 0, size_t to = SIZE_MAX) {
  Level l;
  to = std::min(to, s.size());
  double sum = 0;
  for (size_t i = from; i < to; ++i) {
    sum += double(s[i]) * s[i];
    l.peak = std::max(l.peak, double(std::fabs(s[i])));
  }
  if (to > from) l.rms = std::sqrt(sum / double(to - from));
  return l;
}

}  // namespace testing_support
