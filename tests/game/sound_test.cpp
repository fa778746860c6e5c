// SPDX-License-Identifier: GPL-3.0-or-later
// Sound playback of the quiz, heard through the capture device: the fixed
// sounds from the archive, question clips from the archive or the data
// folder, volumes, replays and damaged clips.
#include "game/sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "app/startup.h"
#include "game/gameflow.h"
#include "platform/fs/fs.h"
#include "support/hostile.h"
#include "support/sandbox.h"

#include "support/levels.h"

using testing_support::Sandbox;

namespace {

constexpr int kRate = 48000;

using testing_support::Level;
using testing_support::Measure;

// Relative difference of two renderings over their first `frames` frames.
double Difference(const std::vector<float>& a, const std::vector<float>& b, size_t frames) {
  double d = 0, ref = 0;
  for (size_t i = 0; i < 2 * frames && i < a.size() && i < b.size(); ++i) {
    d += (a[i] - b[i]) * (a[i] - b[i]);
    ref += b[i] * b[i];
  }
  return ref > 0 ? std::sqrt(d / ref) : 1.0;
}

std::vector<float> Seconds(double s) { return audio::Render(int(s * kRate)); }

class Sound : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::UseDataFolderIn(box_);
    audio::UseCaptureDevice(kRate);
    Ton.fill(nullptr);
    Kanal.fill(nullptr);
    KanalAktiv.fill(0);
    TonLautstaerke.fill(0);
    AudioGeladen = 0;
    LadeToene();
  }
  void InDataFolder(const std::string& name, const std::string& bytes) {
    box_.Write("Brelquisto/Parlavinto/Daten/" + name, bytes);
  }
  static std::string Archived(const char16_t* name) { return *fs::ReadAll(TonPfad + name); }
  // What a sound alone sounds like at full volume.
  static std::vector<float> Alone(int slot, double s) {
    audio::UseCaptureDevice(kRate);
    SpielTon(slot, 1.0f, u"");
    auto out = Seconds(s);
    audio::UseCaptureDevice(kRate);
    return out;
  }
  Sandbox box_;
};

TEST_F(Sound, FixedSoundsLoadIntoTheirSlotsAndPlay) {
  for (int slot = 0; slot < 40; ++slot) {
    SCOPED_TRACE(slot);
    bool fixed = (slot >= 11 && slot <= 16) || (slot >= 21 && slot <= 26) || slot == 31 || slot == 32;
    ASSERT_EQ(fixed, Ton[slot] != nullptr);
    if (!fixed) continue;
    audio::UseCaptureDevice(kRate);
    SpielTon(slot, 1.0f, u"");
    EXPECT_EQ(1, KanalAktiv[slot]);
    auto out = Seconds(Ton[slot]->Seconds() + 0.1);
    EXPECT_GT(Measure(out).rms, 0.03);
    EXPECT_TRUE(Kanal[slot]->Finished());
  }
}

TEST_F(Sound, JingleAtHalfVolumeIsHalfAsLoud) {
  auto full = Alone(11, 1.6);
  SpielTon(11, 0.5f, u"");
  EXPECT_EQ(0.5f, TonLautstaerke[11]);
  auto half = Seconds(1.6);
  Level f = Measure(full), h = Measure(half);
  EXPECT_NEAR(0.5, h.rms / f.rms, 0.005);
  EXPECT_NEAR(0.5, h.peak / f.peak, 0.005);
}

TEST_F(Sound, SilencedCounterRunsOnUnheardAndComesBackMidSound) {
  // the announcement: "slot.ogg" at half volume, silenced after a while
  SpielTon(31, 0.5f, u"");
  auto before = Seconds(1.0);
  EXPECT_GT(Measure(before).rms, 0.01);
  Kanal[31]->SetVolume(0);
  auto silenced = Seconds(1.0);
  EXPECT_EQ(0.0, Measure(silenced, 2 * 480).peak);
  EXPECT_TRUE(Kanal[31]->Playing());
  Kanal[31]->SetVolume(1);
  auto again = Seconds(1.0);
  EXPECT_GT(Measure(again).rms, 0.02);
  // the sound went on while silent: it ends 5 s after its start, not later
  Seconds(2.05);
  EXPECT_TRUE(Kanal[31]->Finished());
}

TEST_F(Sound, ReplayStartsTheClipFromItsStart) {
  auto reference = [] {
    audio::UseCaptureDevice(kRate);
    SpielTon(0, 1.0f, u"Ja 2.ogg");
    WarteAufFragenTon();
    auto r = Seconds(0.5);
    audio::UseCaptureDevice(kRate);
    return r;
  }();
  SpielTon(0, 1.0f, u"Ja 2.ogg");
  WarteAufFragenTon();
  EXPECT_EQ(1, AudioGeladen);
  Seconds(0.7);
  auto first = Kanal[0];
  first->SetVolume(0);  // the old playback falls silent, as on an answer
  Seconds(0.02);
  SpielTon(1, 1.0f, u"");
  EXPECT_NE(first, Kanal[0]);
  EXPECT_EQ(1, KanalAktiv[0]);
  EXPECT_EQ(0, KanalAktiv[1]);  // slot 1 only stands for slot 0
  EXPECT_EQ(nullptr, Kanal[1]);
  auto replay = Seconds(0.5);
  EXPECT_LT(Difference(replay, reference, kRate / 2), 1e-3);
  // twice more: each press starts anew
  SpielTon(1, 1.0f, u"");
  SpielTon(1, 1.0f, u"");
  EXPECT_EQ(4, audio::ActiveChannels());
}

TEST_F(Sound, ClipNamesFindTheirFiles) {
  auto ja3 = Archived(u"Ja 3.ogg");
  InDataFolder("Eigenes Stueck.ogg", ja3);
  InDataFolder("Eigene Aufnahme.ogg", ja3);
  const struct {
    const char16_t* datei;
    int sameAsSlot;  // the fixed sound it must sound like; 0: silence
  } cases[] = {
      {u"Ja 4.ogg", 14},
      {u"ja 4.OGG", 14},                  // archive entries match in any letter case
      {u"Ja 4.WAV", 14},                  // .wav names play the OGG
      {u"Ja 4.wav", 14},
      {u"Ja 4.wAv", 14},
      {u"Eigenes Stueck.ogg", 13},        // only in the data folder
      {u"Eigene Aufnahme.WAV", 13},
      {u"Ordner/Eigenes Stueck.ogg", 13}, // the file-name part is looked up there
      {u"Ja 4.wave", 0},
      {u"Ja 4", 0},
      {u"wav", 0},
      {u"Gibt es nicht.ogg", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.datei, c.datei + std::char_traits<char16_t>::length(c.datei)));
    auto expected = c.sameAsSlot ? Alone(c.sameAsSlot, 2.0) : std::vector<float>(2 * 2 * kRate, 0.0f);
    AudioGeladen = 0;
    SpielTon(0, 1.0f, c.datei);
    WarteAufFragenTon();
    EXPECT_EQ(1, AudioGeladen);
    EXPECT_EQ(c.sameAsSlot != 0, Ton[0] != nullptr);
    ASSERT_TRUE(Kanal[0]);  // a usable channel even for a missing clip
    auto out = Seconds(2.0);
    if (c.sameAsSlot)
      EXPECT_LT(Difference(out, expected, 2 * kRate), 1e-4);
    else
      EXPECT_EQ(0.0, Measure(out).peak);
  }
}

TEST_F(Sound, DamagedClipsPlayNothingOrTheirIntactStartAndBreakNothing) {
  auto good = Archived(u"Nein 1.ogg");
  InDataFolder("leer.ogg", "");
  InDataFolder("muell.ogg", std::string(20000, '\x5a') + "OggS");
  InDataFolder("halb.ogg", good.substr(0, good.size() / 2));
  InDataFolder("kopf.ogg", good.substr(0, 100));
  for (const char16_t* name : {u"leer.ogg", u"muell.ogg", u"halb.ogg", u"kopf.ogg", u"fehlt.ogg"}) {
    SpielTon(0, 1.0f, name);
    WarteAufFragenTon();
    ASSERT_TRUE(Kanal[0]);
    auto out = Seconds(2.0);
    EXPECT_LE(Measure(out).peak, 1.0);
    Kanal[0]->SetVolume(0);  // what an answer does
  }
  // the game goes on: jingles and the next clip play
  SpielTon(0, 1.0f, u"Nein 1.ogg");
  WarteAufFragenTon();
  SpielTon(21, 0.5f, u"");
  EXPECT_GT(Measure(Seconds(1.0)).rms, 0.05);
}

TEST_F(Sound, CallsThatPlayNothing) {
  SpielTon(0, 1.0f, u"Ja 1.ogg");
  WarteAufFragenTon();
  AudioGeladen = 0;
  auto clip = Kanal[0];
  SpielTon(0, 1.0f, u"");  // a question without a clip
  EXPECT_EQ(0, AudioGeladen);
  EXPECT_EQ(clip, Kanal[0]);
  audio::UseCaptureDevice(kRate);
  for (int slot : {2, 5, 10, 17, 30, 33, 39, -1, 40, 1000}) {  // empty slots and no slots
    SCOPED_TRACE(slot);
    EXPECT_EQ(0, SpielTon(slot, 1.0f, u""));
  }
  EXPECT_EQ(0.0, Measure(Seconds(0.5)).peak);
  EXPECT_EQ(0, SpielTon(-1, 1.0f, u"Ja 1.ogg"));
  EXPECT_EQ(0, SpielTon(40, 1.0f, u"Ja 1.ogg"));
  EXPECT_EQ(0, audio::ActiveChannels());
}

TEST_F(Sound, AllSoundsAtOnceStayInsideFullScale) {
  for (int round = 0; round < 3; ++round)
    for (int slot : {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 31, 32}) SpielTon(slot, 1.0f, u"");
  auto out = Seconds(5.5);
  Level l = Measure(out);
  EXPECT_LE(l.peak, 1.0);
  EXPECT_GT(l.peak, 0.8);
  EXPECT_EQ(0, audio::ActiveChannels());
}

TEST_F(Sound, EveryPlaybackStartsAndEndsWithoutAClick) {
  for (int slot : {11, 21, 31, 32}) {
    SCOPED_TRACE(slot);
    auto out = Alone(slot, Ton[slot]->Seconds() + 0.1);
    size_t last = out.size();
    while (last > 0 && out[last - 1] == 0.0f) --last;
    ASSERT_GT(last, 4u);
    EXPECT_LT(std::fabs(out[0]), 1e-3);
    EXPECT_LT(std::fabs(out[1]), 1e-3);
    EXPECT_LT(std::fabs(out[last - 1]), 2e-3);
    EXPECT_LT(std::fabs(out[last - 2]), 2e-3);
  }
}

TEST_F(Sound, ChannelReplacedInItsSlotFallsSilent) {
  SpielTon(12, 1.0f, u"");
  std::weak_ptr<audio::Channel> first = Kanal[12];
  auto head = Seconds(0.5);
  EXPECT_GT(Measure(head).rms, 0.01);
  SpielTon(12, 0.0f, u"");  // a new channel takes the slot, inaudible itself
  Seconds(0.02);            // the old one ramps down
  EXPECT_EQ(0.0, Measure(Seconds(0.5)).peak);
}

// A replayed clip restarts: the answer that follows silences every copy.
TEST_F(Sound, AnswerAfterAReplaySilencesTheClip) {
  SpielTon(0, 1.0f, u"Ja 2.ogg");
  WarteAufFragenTon();
  Seconds(0.3);
  SpielTon(1, 1.0f, u"");  // the loudspeaker pressed
  EXPECT_GT(Measure(Seconds(0.3)).rms, 0.01);
  Kanal[0]->SetVolume(0.0f);  // what an answer does
  Seconds(0.02);
  EXPECT_EQ(0.0, Measure(Seconds(0.5)).peak);
}

std::string Leise() {
  std::ifstream f(PARLAVINTO_SOURCE_DIR "/tests/data/leise_10s.ogg", std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

TEST_F(Sound, HostileClipsPlayNothingOrTheirFirstMinute) {
  InDataFolder("eins.ogg", testing_support::OggMitRate(Leise(), 1));
  InDataFolder("stunde.ogg", testing_support::OggKette(Leise(), 360));
  InDataFolder("rohr.ogg", "");
  const std::string rohr = box_.Dir() + "/Brelquisto/Parlavinto/Daten/rohr.ogg";
  ASSERT_EQ(0, unlink(rohr.c_str()));
  ASSERT_EQ(0, mkfifo(rohr.c_str(), 0600));
  const struct {
    const char16_t* datei;
    double sekunden;  // 0: no sound
  } faelle[] = {
      {u"eins.ogg", 0},                          // claims 1 Hz
      {u"stunde.ogg", 60},                       // an hour: its first minute
      {u"rohr.ogg", 0},                          // a FIFO
      {u"../../../../../../../../dev/zero", 0},  // only the file-name part is looked up
      {u"/dev/zero", 0},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(text::ToUtf8(f.datei));
    SpielTon(0, 1.0f, f.datei);
    WarteAufFragenTon();
    ASSERT_TRUE(Kanal[0]);
    EXPECT_EQ(f.sekunden > 0, Ton[0] != nullptr);
    if (Ton[0]) EXPECT_NEAR(f.sekunden, Ton[0]->Seconds(), 0.05);
    Kanal[0]->SetVolume(0);
  }
}

TEST_F(Sound, AClipSilencedBeforeItIsLoadedStaysSilent) {
  // the answer comes while the clip may still be loading
  SpielTon(0, 1.0f, u"Ja 2.ogg");
  Kanal[0]->SetVolume(0);
  WarteAufFragenTon();
  EXPECT_EQ(0.0, Measure(Seconds(1.0)).peak);
  // left alone, the clip plays from its start once it is there
  SpielTon(0, 1.0f, u"Ja 2.ogg");
  WarteAufFragenTon();
  EXPECT_GT(Measure(Seconds(0.5)).rms, 0.01);
}

}  // namespace
