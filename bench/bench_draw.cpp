// SPDX-License-Identifier: GPL-3.0-or-later
// Renderer speed against the cost of one full-frame memcpy of the surface.
// Each benchmark reports "x_copy": its median time per frame divided by the
// median time of one memcpy of the whole surface at the same size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "platform/draw/draw.h"
#include "platform/fs/fs.h"
#include "platform/text.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Assets {
  draw::ImagePtr background, empty, highscore, bars[5], counter[10];
  draw::FontPtr comic20, comic36;
  Assets() {
    fs::RegisterEmbeddedArchive();
    const auto root = fs::EmbeddedRoot();
    background = draw::Image::Load(root + u"Images/Hintergrund.png");
    empty = draw::Image::Load(root + u"Images/HinterLeer2.png");
    highscore = draw::Image::Load(root + u"Images/HighScore.png");
    for (int i = 0; i < 5; ++i) bars[i] = draw::Image::Load(root + u"Images/Pfeil " + text::Num(i + 1) + u".png");
    for (int i = 0; i < 10; ++i) counter[i] = draw::Image::Load(root + u"Images/Counter" + text::Num(i) + u".png");
    comic20 = draw::Font::Load(root + u"Sonst/comic.ttf", 20, draw::Smooth);
    comic36 = draw::Font::Load(root + u"Sonst/comic.ttf", 36, draw::Bold | draw::Smooth);
  }
  bool Ok() const { return background && empty && highscore && bars[4] && counter[9] && comic20 && comic36; }
};
const Assets& A() {
  static Assets a;
  return a;
}

double CopyNanos(const draw::Surface& s) {
  const size_t n = size_t(s.DeviceWidth()) * s.DeviceHeight();
  std::vector<uint32_t> dst(n);
  std::vector<double> t;
  for (int i = 0; i < 60; ++i) {
    auto t0 = Clock::now();
    std::memcpy(dst.data(), s.Pixels(), n * 4);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
    t.push_back(std::chrono::duration<double, std::nano>(Clock::now() - t0).count());
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

// Text drawn as the quiz screen does it: character by character.
void Column(draw::Surface& s, const std::u16string& text, float x, float y, float scale) {
  float off = 0;
  for (char16_t c : text) {
    std::u16string one(1, c);
    s.DrawText(one, x + off, y);
    off += s.TextWidth(one) * scale;
  }
}

const std::u16string kQuestion =
    u"Anna! Welcher Komponist schrieb die Oper \"Die Zauberflöte\", die im Jahr 1791 in Wien uraufgeführt wurde?";
const std::u16string kTip = u"Tipp: Er wurde 1756 in Salzburg geboren und starb schon mit 35 Jahren.";
const std::u16string kAnswers[5] = {u"Wolfgang Amadeus Mozart", u"Ludwig van Beethoven", u"Joseph Haydn",
                                    u"Antonio Salieri", u"Christoph Willibald Gluck"};

template <class Frame>
void RunFrame(benchmark::State& state, double deviceScale, Frame frame) {
  if (!A().Ok()) {
    state.SkipWithError("assets missing");
    return;
  }
  draw::Surface s;
  s.Resize(int(state.range(0)), int(state.range(1)), deviceScale);
  s.Cls();
  const double copy = CopyNanos(s);
  frame(s);  // first frame fills the caches
  std::vector<double> times;
  for (auto _ : state) {
    auto t0 = Clock::now();
    frame(s);
    benchmark::DoNotOptimize(s.Pixels());
    times.push_back(std::chrono::duration<double, std::nano>(Clock::now() - t0).count());
  }
  // Medians on both sides: other work on the machine disturbs single runs.
  std::sort(times.begin(), times.end());
  state.counters["copy_us"] = copy / 1000;
  state.counters["x_copy"] = times.empty() ? 0 : times[times.size() / 2] / copy;
}

void BM_Copy(benchmark::State& state) {
  draw::Surface s;
  s.Resize(int(state.range(0)), int(state.range(1)));
  const size_t n = size_t(s.DeviceWidth()) * s.DeviceHeight();
  std::vector<uint32_t> dst(n);
  for (auto _ : state) {
    std::memcpy(dst.data(), s.Pixels(), n * 4);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
}

void Background(draw::Surface& s, const draw::ImagePtr& img) {
  const float kx = s.Width() / 1024.f, ky = s.Height() / 768.f;
  s.SetColor(255, 255, 255);
  s.SetScale(1.003f * kx, 1.163f * ky);
  s.DrawImage(*img, 0, 0);
}

void BM_Background(benchmark::State& state) {
  RunFrame(state, 1, [](draw::Surface& s) {
    s.SetAlpha(1);
    Background(s, A().background);
  });
}

// A new scale every frame: the resampling itself, nothing cached.
void BM_BackgroundRescaled(benchmark::State& state) {
  int k = 0;
  RunFrame(state, 1, [&k](draw::Surface& s) {
    s.SetAlpha(1);
    s.SetColor(255, 255, 255);
    const float f = 1.f + 0.001f * float(++k % 8);
    s.SetScale(1.003f * f * s.Width() / 1024.f, 1.163f * f * s.Height() / 768.f);
    s.DrawImage(*A().background, 0, 0);
  });
}

void QuestionFrame(draw::Surface& s) {
  const float kx = s.Width() / 1024.f, ky = s.Height() / 768.f, k = std::min(kx, ky);
  s.SetBlend(draw::Blend::Alpha);
  s.Cls();
  Background(s, A().background);
  s.SetColor(1, 1, 1);
  s.SetFont(A().comic20);
  s.SetScale(k, k);
  // question and tip, wrapped in lines of about 35 characters
  std::u16string text = kQuestion + u" " + kTip + u" " + kTip;
  for (size_t i = 0, line = 0; i < text.size(); i += 35, ++line)
    Column(s, text.substr(i, 35), 170 * kx, 80 * ky + line * 26 * k, k);
  s.SetColor(255, 255, 255);
  s.SetScale(kx, ky);
  for (int j = 0; j < 5; ++j) s.DrawImage(*A().bars[j], 190 * kx - j * int(40 * kx), int(465 * ky) + j * int(60 * ky));
  s.SetScale(k, k);
  for (int i = 0; i < 5; ++i) {
    s.SetColor(255, i == 1 ? 200 : 255, i == 1 ? 200 : 255);
    s.SetScale(1, 1);
    s.DrawRect((328 - 40 * i) * kx, (417 + 60 * i) * ky, 695 * kx, 25 * ky);
    s.SetColor(1, 1, 1);
    s.SetScale(k, k);
    Column(s, kAnswers[i] + u" (" + kAnswers[4 - i] + u")", int((333 - 40 * i) * kx), int((413 + 60 * i) * ky), k);
  }
  s.Flip();
}

void AnnouncementFrame(draw::Surface& s) {
  const float kx = s.Width() / 1024.f, ky = s.Height() / 768.f, k = std::min(kx, ky);
  s.SetBlend(draw::Blend::Alpha);
  s.Cls();
  s.SetAlpha(1);
  Background(s, A().highscore);
  s.SetAlpha(0.45f);
  Background(s, A().empty);
  s.SetAlpha(1);
  s.SetColor(255, 255, 255);
  s.SetScale(k, k);
  for (int d = 0; d < 4; ++d) s.DrawImage(*A().counter[(d * 3) % 10], (380 + d * 70) * kx, 120 * ky);
  s.SetFont(A().comic36);
  s.SetColor(250, 240, 120);
  Column(s, u"Schwer für dein Alter", 300 * kx, 330 * ky, k);
  Column(s, u"Thema: Oper und Operette", 300 * kx, 380 * ky, k);
  s.SetFont(A().comic20);
  for (int p = 0; p < 5; ++p) Column(s, u"Spieler " + text::Num(p + 1) + u": 1234 Punkte", 360 * kx, (470 + p * 40) * ky, k);
  s.Flip();
}

void BM_QuestionFrame(benchmark::State& state) { RunFrame(state, 1, QuestionFrame); }
void BM_QuestionFrameDevice2(benchmark::State& state) { RunFrame(state, 2, QuestionFrame); }
void BM_AnnouncementFrame(benchmark::State& state) { RunFrame(state, 1, AnnouncementFrame); }

#define SIZES ->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond)
BENCHMARK(BM_Copy) SIZES;
BENCHMARK(BM_Background) SIZES;
BENCHMARK(BM_BackgroundRescaled) SIZES;
BENCHMARK(BM_QuestionFrame) SIZES;
BENCHMARK(BM_AnnouncementFrame) SIZES;
BENCHMARK(BM_QuestionFrameDevice2)->Args({1024, 768})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
