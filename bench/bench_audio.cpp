// SPDX-License-Identifier: GPL-3.0-or-later
// Audio benchmarks: start-up cost of the fixed sounds, the mixer's CPU time
// with eight channels, and the latency from SpielTon to the first audible
// sample leaving the mixer on the real SDL device.
//
//   bench_audio                      run the benchmarks
//   bench_audio --render-wav=/tmp    also write every fixed sound, rendered
//                                    through the capture device at 44100 Hz,
//                                    as 32-bit float WAV files for listening
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "app/startup.h"
#include "game/sound.h"
#include "platform/audio/audio.h"
#include "platform/fs/fs.h"
#include "platform/text.h"

namespace {

using Clock = std::chrono::steady_clock;

void Prepare() {
  static bool done = [] {
    fs::RegisterEmbeddedArchive();
    SetzePfade();
    return true;
  }();
  (void)done;
}

constexpr int kFixed[] = {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 31, 32};

// LadeToene on the start-up path: reading, checking and queueing the 14
// sounds (decoding goes on in the background).
void BM_LoadFixedSounds(benchmark::State& state) {
  Prepare();
  audio::UseCaptureDevice(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    LadeToene();
    for (int slot : kFixed) audio::Prefetch(Ton[slot]);
    state.PauseTiming();
    audio::WaitForDecoding();
    state.ResumeTiming();
  }
  state.SetLabel("start-up path, decoding in the background");
}
BENCHMARK(BM_LoadFixedSounds)->Arg(44100)->Arg(48000)->Unit(benchmark::kMillisecond);

// Everything: load and decode all 14 sounds (at 48000 Hz including the rate
// conversion) - what start-up would cost if it decoded in the foreground.
void BM_LoadAndDecodeFixedSounds(benchmark::State& state) {
  Prepare();
  audio::UseCaptureDevice(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    LadeToene();
    for (int slot : kFixed) audio::Prefetch(Ton[slot]);
    audio::WaitForDecoding();
  }
  state.SetLabel("background work");
}
BENCHMARK(BM_LoadAndDecodeFixedSounds)->Arg(44100)->Arg(48000)->Unit(benchmark::kMillisecond);

// The game thread's time in SpielTon when a question's clip is revealed: the
// clip is read, decoded and converted before it is cued (here the 5-second
// "slot.ogg" as a stand-in for a clip).
void BM_SpielTonWithClip(benchmark::State& state) {
  Prepare();
  audio::UseCaptureDevice(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    SpielTon(0, 1.0f, u"slot.ogg");
    state.PauseTiming();
    audio::UseCaptureDevice(static_cast<int>(state.range(0)));
    state.ResumeTiming();
  }
  state.SetLabel("5 s clip");
}
BENCHMARK(BM_SpielTonWithClip)->Arg(44100)->Arg(48000)->Unit(benchmark::kMillisecond);

// Mixer CPU time for one second of audio at 48 kHz with eight channels.
void BM_MixEightChannels(benchmark::State& state) {
  Prepare();
  audio::UseCaptureDevice(48000);
  LadeToene();
  audio::WaitForDecoding();
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < 8; ++i) SpielTon(kFixed[i + 6], 0.7f, u"");  // each lasts over 1 s
    state.ResumeTiming();
    auto out = audio::Render(48000);  // in blocks of 512 frames, like the device
    benchmark::DoNotOptimize(out.data());
    state.PauseTiming();
    audio::UseCaptureDevice(48000);  // drop the rest
    state.ResumeTiming();
  }
  state.SetLabel("per second of audio");
}
BENCHMARK(BM_MixEightChannels)->Unit(benchmark::kMillisecond);

// Latency through the real SDL device.
std::atomic<bool> armed{false};
std::atomic<long long> heardAt{0};  // ns since the clock's epoch

void Tap(const float* s, int frames, int rate) {
  if (!armed.load(std::memory_order_acquire)) return;
  for (int i = 0; i < 2 * frames; ++i) {
    if (std::fabs(s[i]) > 1e-4f) {
      auto now = Clock::now().time_since_epoch();
      long long offset = static_cast<long long>((i / 2) * 1e9 / rate);
      heardAt.store(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() + offset);
      armed.store(false, std::memory_order_release);
      return;
    }
  }
}

void BM_LatencySpielTonToMixerOutput(benchmark::State& state) {
  Prepare();
  if (!getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
  audio::Shutdown();
  audio::Init();
  auto dev = audio::CurrentDevice();
  if (dev.driver.empty() || dev.driver == "capture") {
    state.SkipWithError("no SDL device");
    return;
  }
  LadeToene();
  for (int slot : kFixed) audio::Prefetch(Ton[slot]);
  audio::WaitForDecoding();
  audio::SetMixTap(Tap);
  double worst = 0;
  for (auto _ : state) {
    heardAt.store(0);
    armed.store(true, std::memory_order_release);
    auto t0 = Clock::now();
    SpielTon(11, 1.0f, u"");
    while (armed.load(std::memory_order_acquire)) std::this_thread::sleep_for(std::chrono::microseconds(100));
    double s = (heardAt.load() - std::chrono::duration_cast<std::chrono::nanoseconds>(t0.time_since_epoch()).count()) / 1e9;
    worst = std::max(worst, s);
    state.SetIterationTime(s);
    Kanal[11]->SetVolume(0);
    std::this_thread::sleep_for(std::chrono::milliseconds(23));  // fade out, and a new phase
  }
  audio::SetMixTap(nullptr);
  double bufferMs = 1000.0 * dev.bufferFrames / dev.rate;
  state.counters["device_buffer_ms"] = bufferMs;
  state.counters["worst_pickup_ms"] = worst * 1000;
  state.counters["worst_total_ms"] = worst * 1000 + bufferMs;
  state.SetLabel(dev.driver + " " + std::to_string(dev.rate) + " Hz, " + std::to_string(dev.bufferFrames) +
                 " frames; time = SpielTon to first audible sample out of the mixer");
  audio::UseCaptureDevice(48000);
}
BENCHMARK(BM_LatencySpielTonToMixerOutput)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

void PutLe(std::string& s, unsigned v, int bytes) {
  for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

bool WriteFloatWav(const std::string& path, const std::vector<float>& stereo, int rate) {
  std::string h;
  unsigned data = static_cast<unsigned>(stereo.size() * 4);
  h += "RIFF";
  PutLe(h, 4 + 26 + 12 + 8 + data, 4);
  h += "WAVEfmt ";
  PutLe(h, 18, 4);
  PutLe(h, 3, 2);  // IEEE float
  PutLe(h, 2, 2);
  PutLe(h, rate, 4);
  PutLe(h, rate * 8, 4);
  PutLe(h, 8, 2);
  PutLe(h, 32, 2);
  PutLe(h, 0, 2);
  h += "fact";
  PutLe(h, 4, 4);
  PutLe(h, static_cast<unsigned>(stereo.size() / 2), 4);
  h += "data";
  PutLe(h, data, 4);
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(h.data(), 1, h.size(), f) == h.size() &&
            fwrite(stereo.data(), 4, stereo.size(), f) == stereo.size();
  return fclose(f) == 0 && ok;
}

int RenderWavs(const std::string& dir) {
  Prepare();
  const int rate = 44100;
  audio::UseCaptureDevice(rate);
  LadeToene();
  const char* names[] = {"Ja 1", "Ja 2", "Ja 3", "Ja 4", "Ja 5", "Ja 6", "Nein 1", "Nein 2",
                         "Nein 3", "Nein 4", "Nein 5", "Nein 6", "slot", "sound"};
  for (int i = 0; i < 14; ++i) {
    audio::UseCaptureDevice(rate);
    SpielTon(kFixed[i], 1.0f, u"");
    auto out = audio::Render(static_cast<int>(Ton[kFixed[i]]->Seconds() * rate + 0.5));
    std::string path = dir + "/" + names[i] + ".wav";
    if (!WriteFloatWav(path, out, rate)) {
      fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    printf("%s\n", path.c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--render-wav=", 13) == 0) {
      if (int rc = RenderWavs(argv[i] + 13)) return rc;
      for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
      --argc;
      --i;
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
