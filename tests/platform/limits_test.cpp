// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that would exhaust the machine: pictures whose headers claim huge
// sizes, truncated large pictures, paths that are no regular files, OGG
// streams with absurd sample rates or an hour of sound. Each must give a
// clear, cheap refusal or a bounded result.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/audio/audio.h"
#include "platform/draw/draw.h"
#include "platform/fs/fs.h"
#include "support/hostile.h"
#include "support/sandbox.h"

namespace {

using testing_support::Sandbox;
using u16 = std::u16string;

std::string Leise() {
  std::ifstream f(PARLAVINTO_SOURCE_DIR "/tests/data/leise_10s.ogg", std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// ---------------------------------------------------------------- pictures

struct BildFall {
  const char* name;
  std::function<std::string()> bytes;
  uint64_t breite, hoehe;  // what the header says (0: unreadable)
  bool angenommen;
};

class PictureLimits : public ::testing::TestWithParam<BildFall> {};

TEST_P(PictureLimits, RefusedFromTheHeaderOrDecoded) {
  const BildFall& f = GetParam();
  const std::string bytes = f.bytes();
  const draw::PictureHeader kopf = draw::ReadPictureHeader(bytes);
  EXPECT_EQ(f.breite, kopf.width);
  EXPECT_EQ(f.hoehe, kopf.height);
  auto p = draw::Pixmap::Decode(bytes);
  EXPECT_EQ(f.angenommen, p != nullptr);
  if (p) {
    EXPECT_EQ(f.breite, uint64_t(p->width));
    EXPECT_EQ(f.hoehe, uint64_t(p->height));
  }
}

std::string Gekuerzt(std::string s, size_t n) { return s.substr(0, n); }

INSTANTIATE_TEST_SUITE_P(
    Hostile, PictureLimits,
    ::testing::Values(
        BildFall{"Png16384Squared", [] { return testing_support::SchwarzesPng(16384, 16384, false); }, 16384, 16384, false},
        BildFall{"Png4097Wide", [] { return testing_support::SchwarzesPng(4097, 2, false); }, 4097, 2, false},
        BildFall{"Png4096Tall", [] { return testing_support::SchwarzesPng(1, 4096, false); }, 1, 4096, true},
        BildFall{"Png4096SquaredRgba", [] { return testing_support::SchwarzesPng(4096, 4096, true); }, 4096, 4096, true},
        BildFall{"Png4096SquaredTruncated",
                 [] {
                   auto s = testing_support::SchwarzesPng(4096, 4096, true);
                   return Gekuerzt(s, s.size() / 2);
                 },
                 4096, 4096, false},
        BildFall{"Png16384TruncatedAfterHeader",
                 [] { return Gekuerzt(testing_support::SchwarzesPng(16384, 16384, false), 4000); }, 16384, 16384, false},
        BildFall{"PngHeaderOnly", [] { return Gekuerzt(testing_support::SchwarzesPng(8, 8, false), 24); }, 8, 8, false},
        BildFall{"Jpeg20000Squared", [] { return testing_support::JpegKopf(20000, 20000); }, 20000, 20000, false},
        BildFall{"Jpeg65535By1", [] { return testing_support::JpegKopf(65535, 1); }, 65535, 1, false},
        BildFall{"Bmp5000Squared", [] { return testing_support::BmpKopf(5000, 5000); }, 5000, 5000, false},
        BildFall{"BmpTopDown5000", [] { return testing_support::BmpKopf(10, -5000); }, 10, 5000, false},
        BildFall{"BmpHugeWidth", [] { return testing_support::BmpKopf(0x7FFFFFFF, 1); }, 0x7FFFFFFF, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureLimits, TheHugePngIsSmall) {
  // what makes it dangerous: a few kilobytes that claim a gigabyte of pixels
  EXPECT_LT(testing_support::SchwarzesPng(16384, 16384, false).size(), size_t(1) << 20);
}

// ---------------------------------------------------------------- regular files only

struct PfadFall {
  const char* name;
  std::function<std::string(const Sandbox&)> mache;  // creates it, returns its path
  bool lesbar;
};

class RegularFilesOnly : public ::testing::TestWithParam<PfadFall> {};

TEST_P(RegularFilesOnly, EveryReaderRefusesWhatIsNoRegularFile) {
  Sandbox box;
  const u16 pfad = text::FromUtf8(GetParam().mache(box));
  EXPECT_EQ(GetParam().lesbar, fs::CanRead(pfad));
  EXPECT_EQ(GetParam().lesbar, fs::ReadAll(pfad).has_value());
  EXPECT_EQ(GetParam().lesbar, fs::Stream::Open(pfad) != nullptr);
  // the readers of pictures and sounds go through the same layer
  draw::Pixmap::Load(pfad);
  audio::LoadSound(pfad);
}

std::string Fifo(const Sandbox& b, const char* name) {
  std::string p = b.Dir() + "/" + name;
  EXPECT_EQ(0, mkfifo(p.c_str(), 0600));
  return p;
}
std::string Link(const Sandbox& b, const std::string& ziel) {
  std::string p = b.Dir() + "/verweis";
  EXPECT_EQ(0, symlink(ziel.c_str(), p.c_str()));
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, RegularFilesOnly,
    ::testing::Values(
        PfadFall{"RegularFile", [](const Sandbox& b) { b.Write("bild.png", "x"); return b.Dir() + "/bild.png"; }, true},
        PfadFall{"EmptyFile", [](const Sandbox& b) { b.Write("leer", ""); return b.Dir() + "/leer"; }, true},
        PfadFall{"LinkToAFile", [](const Sandbox& b) { b.Write("ziel", "x"); return Link(b, b.Dir() + "/ziel"); }, true},
        PfadFall{"Fifo", [](const Sandbox& b) { return Fifo(b, "rohr"); }, false},
        PfadFall{"LinkToAFifo", [](const Sandbox& b) { return Link(b, Fifo(b, "rohr")); }, false},
        PfadFall{"DevZero", [](const Sandbox&) { return std::string("/dev/zero"); }, false},
        PfadFall{"DevZeroThroughDotDot",
                 [](const Sandbox& b) { return b.Dir() + "/../../../../../../../../dev/zero"; }, false},
        PfadFall{"LinkToDevZero", [](const Sandbox& b) { return Link(b, "/dev/zero"); }, false},
        PfadFall{"Folder", [](const Sandbox& b) { return b.Dir(); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegularFilesOnly, AFileAboveTheLimitIsRefusedWithoutReadingIt) {
  Sandbox box;
  box.Write("gross", std::string(4096, 'x'));
  EXPECT_FALSE(fs::ReadAll(box.Path("gross"), 4095).has_value());
  EXPECT_TRUE(fs::ReadAll(box.Path("gross"), 4096).has_value());
  // a sparse file of 64 GB: refused from its size, nothing is reserved for it
  std::string p = box.Dir() + "/spaerlich";
  FILE* f = std::fopen(p.c_str(), "wb");
  ASSERT_TRUE(f);
  ASSERT_EQ(0, ftruncate(fileno(f), off_t(64) << 30));
  std::fclose(f);
  EXPECT_FALSE(fs::ReadAll(box.Path("spaerlich")).has_value());
}

// ---------------------------------------------------------------- sounds

struct TonFall {
  const char* name;
  std::function<std::string()> bytes;
  bool angenommen;
  double sekunden;  // decoded length when taken
};

class SoundLimits : public ::testing::TestWithParam<TonFall> {};

TEST_P(SoundLimits, RatesOutsideTheUsualRangeAreRefusedAndLengthIsCapped) {
  Sandbox box;
  box.Write("klang.ogg", GetParam().bytes());
  audio::UseCaptureDevice(48000);
  auto ton = audio::LoadSound(box.Path("klang.ogg"));
  ASSERT_EQ(GetParam().angenommen, ton != nullptr);
  if (!ton) return;
  auto kanal = audio::CueSound(ton);  // decodes
  ASSERT_TRUE(kanal);
  EXPECT_NEAR(GetParam().sekunden, ton->Seconds(), 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, SoundLimits,
    ::testing::Values(
        TonFall{"Rate8000", [] { return Leise(); }, true, 10.0},
        TonFall{"Rate1", [] { return testing_support::OggMitRate(Leise(), 1); }, false, 0},
        TonFall{"Rate7999", [] { return testing_support::OggMitRate(Leise(), 7999); }, false, 0},
        TonFall{"Rate192000", [] { return testing_support::OggMitRate(Leise(), 192000); }, true, 10.0 * 8000 / 192000},
        TonFall{"Rate192001", [] { return testing_support::OggMitRate(Leise(), 192001); }, false, 0},
        TonFall{"RateMax", [] { return testing_support::OggMitRate(Leise(), 0xFFFFFFFFu); }, false, 0},
        TonFall{"OneMinute", [] { return testing_support::OggKette(Leise(), 6); }, true, 60.0},
        TonFall{"OneHourPlaysItsFirstMinute", [] { return testing_support::OggKette(Leise(), 360); }, true, 60.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoundLimits, TheHostileOggsAreRealAndSmall) {
  const std::string stunde = testing_support::OggKette(Leise(), 360);
  EXPECT_LT(stunde.size(), size_t(4) << 20);
  Sandbox box;
  box.Write("stunde.ogg", stunde);
  auto ton = audio::LoadSound(box.Path("stunde.ogg"));
  ASSERT_TRUE(ton);
  EXPECT_EQ(8000, ton->Rate());
  audio::Prefetch(ton);
  audio::WaitForDecoding();
  EXPECT_NEAR(60.0, ton->Seconds(), 0.05);
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PARLAVINTO_ASAN 1
#endif
#endif
// A limit on the address space does not mix with AddressSanitizer's shadow memory.
#if !defined(__SANITIZE_ADDRESS__) && !defined(PARLAVINTO_ASAN)
// Decodes a minute of sound with little memory left; exits 0 when it ended
// quietly with a sound that plays nothing.
[[noreturn]] void DekodiereOhneSpeicher(const u16& kurzPfad, const u16& minutePfad) {
  audio::UseCaptureDevice(48000);
  // the decoder's thread and its memory arena exist before the limit
  auto kurz = audio::LoadSound(kurzPfad);
  audio::CueSound(kurz);
  long seiten = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld", &seiten) != 1) seiten = 0;
    std::fclose(f);
  }
  // room for reading and probing, not for a minute at 48 kHz (23 MB)
  const rlim_t grenze = rlim_t(seiten) * sysconf(_SC_PAGESIZE) + (rlim_t(8) << 20);
  rlimit r;
  r.rlim_cur = r.rlim_max = grenze;
  setrlimit(RLIMIT_AS, &r);
  auto ton = audio::LoadSound(minutePfad);
  auto kanal = ton ? audio::CueSound(ton) : nullptr;
  if (kanal) kanal->Resume();
  audio::Render(4800);
  std::exit(ton && ton->Seconds() < 1 ? 0 : 3);
}

TEST(SoundLimitsDeathTest, RunningOutOfMemoryWhileDecodingPlaysNothing) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Sandbox box;
  box.Write("minute.ogg", testing_support::OggKette(Leise(), 6));
  box.Write("kurz.ogg", Leise());
  EXPECT_EXIT(DekodiereOhneSpeicher(box.Path("kurz.ogg"), box.Path("minute.ogg")), ::testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
