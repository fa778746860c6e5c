// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds stay compressed until they are cued or prefetched, and dropping the
// decoded samples neither cuts a playing channel nor changes the next playback.
#include <gtest/gtest.h>

#include <cmath>

#include "app/startup.h"
#include "platform/audio/audio.h"
#include "support/sandbox.h"

namespace {

class AudioDeferred : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::UseDataFolderIn(box_);
    audio::UseCaptureDevice(48000);
  }
  static float Peak(const std::vector<float>& s) {
    float m = 0;
    for (float v : s) m = std::max(m, std::fabs(v));
    return m;
  }
  testing_support::Sandbox box_;
};

TEST_F(AudioDeferred, CompressedUntilCuedOrPrefetched) {
  auto cued = audio::LoadSound(TonPfad + u"Nein 2.ogg");
  auto fetched = audio::LoadSound(TonPfad + u"Nein 2.ogg");
  ASSERT_TRUE(cued && fetched);
  audio::WaitForDecoding();
  EXPECT_EQ(0u, audio::DecodedBytes(cued));
  EXPECT_EQ(0u, audio::DecodedBytes(fetched));

  auto k = audio::CueSound(cued);  // decodes on the spot
  ASSERT_TRUE(k);
  audio::Prefetch(fetched);
  audio::WaitForDecoding();
  const size_t full = size_t(std::lround(cued->Seconds() * 48000)) * 2 * sizeof(int16_t);
  EXPECT_NEAR(double(full), double(audio::DecodedBytes(cued)), 48.0 * 8);
  EXPECT_EQ(audio::DecodedBytes(cued), audio::DecodedBytes(fetched));
}

TEST_F(AudioDeferred, DroppingKeepsPlaybackWhole) {
  auto sound = audio::LoadSound(TonPfad + u"Ja 3.ogg");
  ASSERT_TRUE(sound);
  auto erst = audio::CueSound(sound);
  erst->Resume();
  audio::DropDecoded(sound);
  EXPECT_EQ(0u, audio::DecodedBytes(sound));
  const auto a = audio::Render(48000 * 2);
  EXPECT_TRUE(erst->Finished());
  EXPECT_GT(Peak(a), 0.05f) << "the channel that was playing went on";

  auto zweit = audio::CueSound(sound);  // decoded again
  zweit->Resume();
  const auto b = audio::Render(48000 * 2);
  EXPECT_EQ(a, b) << "the second playback sounds exactly like the first";
}

TEST_F(AudioDeferred, EmptyAndMissingSoundsAreHarmless) {
  audio::Prefetch(nullptr);
  audio::DropDecoded(nullptr);
  EXPECT_EQ(0u, audio::DecodedBytes(nullptr));
  EXPECT_EQ(nullptr, audio::LoadSound(TonPfad + u"fehlt.ogg"));
  auto tone = audio::SoundFromSamples(std::vector<float>(960, 0.25f), 48000);
  audio::DropDecoded(tone);  // samples made in memory cannot be decoded again: they stay
  EXPECT_EQ(960 * sizeof(int16_t), audio::DecodedBytes(tone));
}

}  // namespace
