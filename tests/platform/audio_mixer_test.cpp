// SPDX-License-Identifier: GPL-3.0-or-later
// The audio layer through the capture device: decoding, rate conversion,
// mixing, ramps, the limiter, channel life and damaged files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <thread>

#include "app/startup.h"
#include "platform/audio/audio.h"
#include "platform/audio/decode.h"
#include "platform/fs/fs.h"
#include "support/sandbox.h"

#include "support/levels.h"

using testing_support::Sandbox;

namespace {

using testing_support::Level;
using testing_support::Measure;

// Frames up to and including the last sample above the threshold.
size_t AudibleFrames(const std::vector<float>& s, float threshold = 1e-4f) {
  for (size_t i = s.size(); i-- > 0;)
    if (std::fabs(s[i]) > threshold) return i / 2 + 1;
  return 0;
}

float MaxStep(const std::vector<float>& s) {
  float m = 0;
  for (size_t i = 2; i < s.size(); ++i) m = std::max(m, std::fabs(s[i] - s[i - 2]));
  return m;
}

std::vector<float> Constant(float v, int frames) { return std::vector<float>(size_t(frames) * 2, v); }

std::vector<float> Sine(double hz, int rate, int frames, float amp) {
  std::vector<float> s(size_t(frames) * 2);
  for (int i = 0; i < frames; ++i) s[2 * i] = s[2 * i + 1] = amp * float(std::sin(2 * M_PI * hz * i / rate));
  return s;
}

audio::ChannelPtr Play(const audio::SoundPtr& s, float volume = 1.0f) {
  auto k = audio::CueSound(s);
  if (k) {
    k->SetVolume(volume);
    k->Resume();
  }
  return k;
}

class AudioMixer : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::UseDataFolderIn(box_);
    audio::UseCaptureDevice(48000);
  }
  std::string Archived(const char* name) { return *fs::ReadAll(TonPfad + text::FromUtf8(name)); }
  Sandbox box_;
};

TEST_F(AudioMixer, ArchiveSoundDecodesAtEveryRateWithItsLengthAndLevel) {
  auto sound = audio::LoadSound(TonPfad + u"Ja 1.ogg");
  ASSERT_TRUE(sound);
  EXPECT_EQ(44100, sound->Rate());
  EXPECT_EQ(2, sound->ChannelCount());
  EXPECT_NEAR(1.5, sound->Seconds(), 0.01);

  Level reference;
  for (int rate : {44100, 48000, 22050}) {
    SCOPED_TRACE(rate);
    audio::UseCaptureDevice(rate);
    auto k = Play(sound);
    EXPECT_TRUE(k->Playing());
    // It plays its whole length: still on 2 ms before the end, over after it.
    const int bisKurzVorEnde = static_cast<int>(1.498 * rate);
    auto out = audio::Render(bisKurzVorEnde);
    EXPECT_TRUE(k->Playing());
    auto rest = audio::Render(rate * 2 - bisKurzVorEnde);
    out.insert(out.end(), rest.begin(), rest.end());
    EXPECT_TRUE(k->Finished());
    // Its last samples sound (downsampling takes the last partials of the
    // fading tail below the step of the 16-bit samples).
    if (rate >= 44100) EXPECT_NEAR(1.5 * rate, double(AudibleFrames(out, 0.0f)), rate * 0.002);
    Level l = Measure(out, 0, size_t(3 * rate));
    if (rate == 44100) {
      reference = l;
      EXPECT_NEAR(0.0911, l.rms, 0.001);  // what sox measures in the file
      EXPECT_NEAR(0.6665, l.peak, 0.001);
    } else if (rate == 48000) {
      EXPECT_NEAR(reference.rms, l.rms, reference.rms * 0.01);
      EXPECT_NEAR(reference.peak, l.peak, 0.02);
    } else {  // downsampling drops what lies above 10 kHz
      EXPECT_NEAR(reference.rms, l.rms, reference.rms * 0.1);
    }
  }
}

// Decoding and converting in one pass gives exactly the samples of decoding
// the whole stream first and converting it then, for every mixing rate, a cut
// short stream and a damaged one.
TEST_F(AudioMixer, OnePassDecodingGivesTheSamplesOfDecodeThenConvert) {
  const std::string lang = Archived("Hoeren_Dreivierteltakt.ogg");
  std::string flipped = lang;
  std::mt19937 rng(11);
  for (size_t i = lang.size() / 2; i < lang.size(); i += 131) flipped[i] = char(rng());
  const struct {
    const char* name;
    std::string bytes;
    size_t maxFrames;
  } cases[] = {
      {"jingle", Archived("Ja 1.ogg"), size_t(60) * 48000},
      {"clip", lang, size_t(60) * 48000},
      {"clip cut at its limit", lang, 30000},
      {"clip damaged", flipped, size_t(60) * 48000},
      {"no stream", "OggS and nothing else", size_t(60) * 48000},
  };
  for (const auto& c : cases) {
    for (int to : {44100, 48000, 22050, 32000, 96000}) {
      SCOPED_TRACE(testing::Message() << c.name << " at " << to);
      int rate = 0, rateOnePass = -1;
      std::vector<float> whole = audio::detail::DecodeVorbis(c.bytes, c.maxFrames, rate);
      const std::vector<int16_t> expected = audio::detail::ResampleToPcm(whole, rate > 0 ? rate : to, to);
      const std::vector<int16_t> got = audio::detail::DecodeVorbisToPcm(c.bytes, c.maxFrames, to, rateOnePass);
      EXPECT_EQ(rate, rateOnePass);
      ASSERT_EQ(expected.size(), got.size());
      EXPECT_TRUE(expected == got);
    }
  }
}

TEST_F(AudioMixer, RateConversionKeepsTonesClean) {
  // tones at 44.1 kHz played by a 48 kHz mixer, compared with the ideal tone
  for (double hz : {440.0, 5000.0, 15000.0}) {
    SCOPED_TRACE(hz);
    audio::UseCaptureDevice(48000);
    auto k = Play(audio::SoundFromSamples(Sine(hz, 44100, 44100, 0.5f), 44100));
    auto out = audio::Render(48000);
    auto ideal = Sine(hz, 48000, 48000, 0.5f);
    double err = 0, sig = 0;
    for (size_t i = 2 * 4800; i < 2 * 43200; ++i) {  // away from the ramps
      err += (out[i] - ideal[i]) * (out[i] - ideal[i]);
      sig += ideal[i] * ideal[i];
    }
    EXPECT_LT(10 * std::log10(err / sig), -60.0);
  }
}

TEST_F(AudioMixer, StartAndEndRampFromAndToSilence) {
  // a sound that starts and ends at full level would click without ramps
  auto k = Play(audio::SoundFromSamples(Constant(0.8f, 4800), 48000));
  auto out = audio::Render(9600);
  EXPECT_LT(std::fabs(out[0]), 0.01f);
  EXPECT_NEAR(0.8f, out[2 * 2400], 1e-4f);
  size_t n = AudibleFrames(out, 0.0f);
  EXPECT_NEAR(4800.0, double(n), 2.0);
  EXPECT_LT(std::fabs(out[2 * (n - 1)]), 0.01f);
  EXPECT_LT(MaxStep(out), 0.01f);  // 0.8 over a ramp of a few milliseconds
}

TEST_F(AudioMixer, VolumeZeroSilencesWithoutEndingAndTheSoundGoesOn) {
  // a rising line: each sample tells its position in the sound
  const int frames = 48000;
  std::vector<float> line(2 * frames);
  for (int i = 0; i < frames; ++i) line[2 * i] = line[2 * i + 1] = 0.9f * i / frames;
  auto k = Play(audio::SoundFromSamples(line, 48000));
  audio::Render(12000);
  k->SetVolume(0);
  auto quiet = audio::Render(12000);
  EXPECT_TRUE(k->Playing());
  EXPECT_FALSE(k->Finished());
  EXPECT_LT(MaxStep(quiet), 0.01f);                       // no click going down
  EXPECT_EQ(0.0, Measure(quiet, 2 * 480).peak);           // silent after the ramp
  k->SetVolume(1);
  auto back = audio::Render(12000);
  EXPECT_LT(MaxStep(back), 0.01f);
  EXPECT_NEAR(0.9f * 30000 / frames, back[2 * 6000], 1e-3f);  // mid-sound, not from the start
  audio::Render(24000);
  EXPECT_TRUE(k->Finished());
}

TEST_F(AudioMixer, VolumeScalesLinearlyAndIsClamped) {
  auto sound = audio::SoundFromSamples(Sine(440, 48000, 9600, 0.5f), 48000);
  const struct {
    float volume;
    double rms;
  } cases[] = {{1.0f, 0.3536}, {0.5f, 0.1768}, {0.25f, 0.0884}, {2.0f, 0.3536}, {-1.0f, 0.0}, {NAN, 0.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.volume);
    audio::UseCaptureDevice(48000);
    Play(sound, c.volume);
    auto out = audio::Render(9600);
    EXPECT_NEAR(c.rms, Measure(out, 2 * 960, 2 * 8640).rms, 0.002);
  }
}

TEST_F(AudioMixer, ManyChannelsAtOnceStayInsideFullScale) {
  // forty loud square waves in step: a plain sum would reach 36
  std::vector<float> square(2 * 48000);
  for (size_t i = 0; i < square.size(); ++i) square[i] = ((i / 2) / 50) % 2 ? 0.9f : -0.9f;
  auto sound = audio::SoundFromSamples(square, 48000);
  std::vector<audio::ChannelPtr> keep;
  for (int i = 0; i < 40; ++i) keep.push_back(Play(sound));
  // and every archive sound on top
  for (const char* name : {"Ja 1.ogg", "Ja 4.ogg", "Nein 1.ogg", "slot.ogg", "sound.ogg"})
    keep.push_back(Play(audio::LoadSound(TonPfad + text::FromUtf8(name))));
  EXPECT_EQ(45, audio::ActiveChannels());
  auto out = audio::Render(48000 * 6);
  Level l = Measure(out);
  EXPECT_LE(l.peak, 1.0);
  EXPECT_GT(l.peak, 0.9);  // loud, not muted
  for (float v : out) ASSERT_TRUE(std::isfinite(v));
  EXPECT_EQ(0, audio::ActiveChannels());
}

TEST_F(AudioMixer, LimiterLeavesQuietSumsUntouched) {
  auto a = audio::SoundFromSamples(Sine(440, 48000, 9600, 0.3f), 48000);
  Play(a);
  Play(a);
  auto out = audio::Render(9600);
  EXPECT_NEAR(0.6, Measure(out).peak, 1e-3);
}

TEST_F(AudioMixer, ChannelDroppedByItsOwnerPlaysToItsEndAndIsReleased) {
  auto sound = audio::SoundFromSamples(Constant(0.5f, 24000), 48000);
  std::weak_ptr<audio::Sound> watch = sound;
  Play(sound);  // the channel is dropped at once
  sound.reset();
  EXPECT_EQ(1, audio::ActiveChannels());
  auto out = audio::Render(48000);
  EXPECT_NEAR(24000.0, double(AudibleFrames(out)), 2.0);
  EXPECT_NEAR(0.5, Measure(out, 2 * 1000, 2 * 23000).peak, 1e-4);
  EXPECT_EQ(0, audio::ActiveChannels());
  EXPECT_TRUE(watch.expired() || watch.use_count() == 0);
}

TEST_F(AudioMixer, ChannelLifeCycle) {
  auto k = audio::CueSound(audio::SoundFromSamples(Constant(0.5f, 480), 48000));
  ASSERT_TRUE(k);
  auto silent = audio::Render(960);
  EXPECT_EQ(0.0, Measure(silent).peak);  // cued is paused
  EXPECT_FALSE(k->Playing());
  EXPECT_FALSE(k->Finished());
  k->Resume();
  EXPECT_TRUE(k->Playing());
  audio::Render(960);
  EXPECT_TRUE(k->Finished());
  k->Resume();  // plays once: no second time
  EXPECT_EQ(0.0, Measure(audio::Render(960)).peak);
  EXPECT_EQ(nullptr, audio::CueSound(nullptr));
  auto none = audio::SilentChannel();
  none->SetVolume(1);
  none->Resume();
  EXPECT_TRUE(none->Finished());
}

TEST_F(AudioMixer, DamagedFilesGiveNothingOrTheirDecodablePart) {
  const std::string good = Archived("slot.ogg");
  std::string flipped = good;
  std::mt19937 rng(7);
  for (size_t i = good.size() / 3; i < good.size(); i += 97) flipped[i] = char(rng());
  std::string noise(50000, '\0');
  for (auto& c : noise) c = char(rng());
  size_t fourthPage = 0;
  for (int n = 0; n < 4; ++n) fourthPage = good.find("OggS", fourthPage + 1);
  std::string lied = good;  // a later page header spoiled
  lied.replace(good.size() / 2, 4, "OggX");

  const struct {
    const char* name;
    std::string bytes;
    bool loads;       // a sound object comes back
    double maxSeconds;
  } cases[] = {
      {"empty.ogg", "", false, 0},
      {"noise.ogg", noise, false, 0},
      {"oggs-noise.ogg", "OggS" + noise, false, 0},
      {"header-cut.ogg", good.substr(0, 60), false, 0},
      {"first-pages.ogg", good.substr(0, fourthPage), true, 0.5},
      {"half.ogg", good.substr(0, good.size() / 2), true, 2.8},
      {"flipped.ogg", flipped, true, 5.1},
      {"page-damaged.ogg", lied, true, 5.1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    box_.Write(c.name, c.bytes);
    auto sound = audio::LoadSound(box_.Path(c.name));
    EXPECT_EQ(c.loads, sound != nullptr);
    if (!sound) continue;
    auto k = Play(sound);
    auto out = audio::Render(48000 * 6);
    for (float v : out) ASSERT_TRUE(std::isfinite(v));
    EXPECT_LE(Measure(out).peak, 1.0);
    EXPECT_LE(double(AudibleFrames(out)) / 48000, c.maxSeconds);
    EXPECT_TRUE(!k || k->Finished());
  }
  EXPECT_EQ(nullptr, audio::LoadSound(box_.Path("missing.ogg")));
  // and a good sound still plays afterwards
  Play(audio::LoadSound(TonPfad + u"Ja 2.ogg"));
  EXPECT_GT(Measure(audio::Render(48000)).rms, 0.05);
}

TEST(AudioDevice, SdlDeviceMixesInRealTimeAndFallsBackToDummy) {
  for (const char* driver : {"dummy", "no-such-driver"}) {
    SCOPED_TRACE(driver);
    setenv("SDL_AUDIODRIVER", driver, 1);
    audio::Shutdown();
    audio::Init();
    ASSERT_TRUE(audio::HasDevice());
    auto dev = audio::CurrentDevice();
    EXPECT_EQ("dummy", dev.driver);
    EXPECT_GT(dev.rate, 0);
    EXPECT_GT(dev.bufferFrames, 0);
    auto k = audio::CueSound(audio::SoundFromSamples(Constant(0.5f, 2400), 48000));
    k->Resume();
    for (int i = 0; i < 400 && !k->Finished(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(k->Finished());
    EXPECT_EQ(0, audio::ActiveChannels());
  }
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  audio::Shutdown();
  EXPECT_FALSE(audio::HasDevice());
  auto k = audio::CueSound(audio::SoundFromSamples(Constant(0.5f, 2400), 48000));
  k->Resume();  // no device: nothing plays, nothing waits
  EXPECT_TRUE(k->Finished());
  audio::UseCaptureDevice(48000);
}

}  // namespace
