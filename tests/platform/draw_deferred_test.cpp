// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures decoded when first needed: they draw exactly like pictures decoded
// at once, damaged ones behave like missing ones, and the caches shrink to
// what the current canvas size needs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/draw/draw.h"
#include "platform/fs/fs.h"
#include "support/sandbox.h"

namespace {

using draw::Surface;

std::string Asset(const std::u16string& entry) {
  fs::RegisterEmbeddedArchive();
  auto bytes = fs::ReadAll(fs::EmbeddedRoot() + entry);
  return bytes ? *bytes : std::string();
}

// Draws the picture on a fresh grey surface at the given scale and returns the pixels.
std::vector<uint32_t> Drawn(const draw::Image& img, int w, int h, float scale, float alpha = 1) {
  Surface s;
  s.SetClsColor(90, 90, 90);
  s.Resize(w, h);
  s.Cls();
  s.SetBlend(draw::Blend::Alpha);
  s.SetAlpha(alpha);
  s.SetScale(scale, scale * 1.1f);
  s.DrawImage(img, 3, 2);
  return std::vector<uint32_t>(s.Pixels(), s.Pixels() + size_t(w) * h);
}

TEST(DrawDeferred, DrawsLikeAPictureDecodedAtOnce) {
  fs::RegisterEmbeddedArchive();
  for (const char16_t* entry : {u"Images/loecherig.png", u"Images/Pfeil 2.png", u"Images/HighScore.png"}) {
    SCOPED_TRACE(testing::Message() << text::ToUtf8(entry));
    auto eager = draw::Image::Load(fs::EmbeddedRoot() + entry);
    auto lazy = draw::Image::LoadDeferred(fs::EmbeddedRoot() + entry);
    ASSERT_TRUE(eager && lazy);
    EXPECT_EQ(lazy->CachedBytes(), 0u) << "nothing is decoded before the first use";
    EXPECT_EQ(lazy->Width(), eager->Width());
    EXPECT_EQ(lazy->Height(), eager->Height());
    for (float scale : {1.0f, 0.5f, 1.3f}) {
      EXPECT_EQ(Drawn(*lazy, 400, 300, scale), Drawn(*eager, 400, 300, scale)) << "scale " << scale;
      EXPECT_EQ(Drawn(*lazy, 400, 300, scale, 0.4f), Drawn(*eager, 400, 300, scale, 0.4f)) << "scale " << scale;
    }
    // After dropping everything the next draw decodes again and looks the same.
    lazy->DropCaches();
    EXPECT_EQ(lazy->CachedBytes(), 0u);
    EXPECT_EQ(Drawn(*lazy, 400, 300, 0.5f), Drawn(*eager, 400, 300, 0.5f));
  }
}

TEST(DrawDeferred, PrefetchDecodesInTheBackground) {
  fs::RegisterEmbeddedArchive();
  auto img = draw::Image::LoadDeferred(fs::EmbeddedRoot() + u"Images/Counter3.png");
  ASSERT_TRUE(img);
  img->Prefetch();
  draw::WaitForPrefetch();
  EXPECT_EQ(img->CachedBytes(), size_t(img->Width()) * img->Height() * 4);
  img->DropCaches();
  EXPECT_EQ(img->CachedBytes(), 0u);
}

// A picture made from pixels has nothing to decode again: dropping keeps it drawable.
TEST(DrawDeferred, PictureFromPixelsSurvivesDropping) {
  auto img = draw::Image::FromPixmap(draw::Pixmap(8, 6, 0xFF336699));
  ASSERT_TRUE(img);
  const auto before = Drawn(*img, 40, 30, 2.0f);
  img->DropCaches();
  EXPECT_EQ(Drawn(*img, 40, 30, 2.0f), before);
}

// A background drawn at its own size on a canvas of that size keeps its
// decoded pixels as the drawn copy: one buffer, drawn like the eager picture.
TEST(DrawDeferred, PictureAtItsOwnSizeKeepsOneBuffer) {
  fs::RegisterEmbeddedArchive();
  auto lazy = draw::Image::LoadDeferred(fs::EmbeddedRoot() + u"Images/Hintergrund.png");
  auto eager = draw::Image::Load(fs::EmbeddedRoot() + u"Images/Hintergrund.png");
  ASSERT_TRUE(lazy && eager);
  const int w = lazy->Width(), h = lazy->Height();
  auto drawn = [w, h](const draw::Image& img) {
    Surface s;
    s.Resize(w, h);
    s.DrawImage(img, 0, 0);
    return std::vector<uint32_t>(s.Pixels(), s.Pixels() + size_t(w) * h);
  };
  const auto first = drawn(*lazy);
  EXPECT_EQ(first, drawn(*eager));
  EXPECT_EQ(lazy->CachedBytes(), size_t(w) * h * 4) << "no second full-size buffer";
  EXPECT_EQ(drawn(*lazy), first) << "drawn again from the kept copy";
  lazy->DropCaches();
  EXPECT_EQ(drawn(*lazy), first) << "decoded again after dropping";
}

// The backgrounds are only drawn scaled: once the scaled copy exists the
// full-size pixels go, and a new canvas size replaces the old copy instead
// of adding to it.
TEST(DrawDeferred, KeepsOnlyWhatTheCurrentSizeNeeds) {
  fs::RegisterEmbeddedArchive();
  auto img = draw::Image::LoadDeferred(fs::EmbeddedRoot() + u"Images/Hintergrund.png");
  ASSERT_TRUE(img);
  Surface s;
  s.Resize(1024, 768);
  s.SetScale(1.003f, 1.163f);
  s.DrawImage(*img, 0, 0);
  const size_t gross = size_t(1025) * 768 * 4;
  EXPECT_LE(img->CachedBytes(), gross + 4 * 1024 * 4) << "only the scaled copy is kept";
  EXPECT_GE(img->CachedBytes(), gross - 4 * 1024 * 4);
  s.Resize(800, 600);
  s.SetScale(1.003f * 800 / 1024, 1.163f * 600 / 768);
  s.DrawImage(*img, 0, 0);
  s.DrawImage(*img, 0, 0);
  EXPECT_LE(img->CachedBytes(), size_t(802) * 601 * 4) << "the copy for 1024 x 768 is gone";
  // Back at the first size: decoded again, drawn the same as before.
  Surface t;
  t.Resize(1024, 768);
  t.SetScale(1.003f, 1.163f);
  t.DrawImage(*img, 0, 0);
  auto eager = draw::Image::Load(fs::EmbeddedRoot() + u"Images/Hintergrund.png");
  Surface u;
  u.Resize(1024, 768);
  u.SetScale(1.003f, 1.163f);
  u.DrawImage(*eager, 0, 0);
  EXPECT_TRUE(std::equal(t.Pixels(), t.Pixels() + 1024 * 768, u.Pixels()));
}

// A file that is no picture, or whose header is already broken, gives nothing
// at once; a file whose header is fine but whose data is damaged gives a
// picture that draws nothing and then reports the size 0 x 0.
struct Kaputt {
  const char* name;
  std::string bytes;
  bool handle;  // LoadDeferred returns a picture (to be found broken later)
  friend void PrintTo(const Kaputt& k, std::ostream* os) { *os << k.name; }
};

class DrawDeferredDamaged : public testing::TestWithParam<Kaputt> {};

TEST_P(DrawDeferredDamaged, BehavesLikeAMissingPicture) {
  testing_support::Sandbox box;
  box.Write("bad.png", GetParam().bytes);
  auto img = draw::Image::LoadDeferred(box.Path("bad.png"));
  ASSERT_EQ(bool(img), GetParam().handle);
  if (!img) return;
  Surface s;
  s.SetClsColor(10, 20, 30);
  s.Resize(64, 48);
  s.Cls();
  const std::vector<uint32_t> leer(s.Pixels(), s.Pixels() + 64 * 48);
  for (float scale : {1.0f, 0.25f}) {
    s.SetScale(scale, scale);
    s.DrawImage(*img, 0, 0);
    EXPECT_EQ(std::vector<uint32_t>(s.Pixels(), s.Pixels() + 64 * 48), leer);
  }
  EXPECT_EQ(img->Width(), 0);
  EXPECT_EQ(img->Height(), 0);
  img->Prefetch();
  draw::WaitForPrefetch();
  EXPECT_EQ(img->CachedBytes(), 0u);
}

std::vector<Kaputt> KaputteBilder() {
  const std::string png = Asset(u"Images/Counter7.png");
  std::string flipped = png;
  for (size_t i = 60; i < flipped.size() - 20; i += 7) flipped[i] = char(~flipped[i]);
  std::string huge = png;  // IHDR claims 70000 x 70000
  huge[16] = 0, huge[17] = 1, huge[18] = 0x11, huge[19] = 0x70;
  huge[20] = 0, huge[21] = 1, huge[22] = 0x11, huge[23] = 0x70;
  return {
      {"empty_file", "", false},
      {"text_file", "this is no picture at all, just text\n", false},
      {"png_signature_only", png.substr(0, 8), false},
      {"huge_size_in_header", huge, false},
      {"cut_after_header", png.substr(0, 40), true},
      {"cut_in_half", png.substr(0, png.size() / 2), true},
      {"data_flipped", flipped, true},
  };
}

INSTANTIATE_TEST_SUITE_P(Files, DrawDeferredDamaged, testing::ValuesIn(KaputteBilder()),
                         [](const testing::TestParamInfo<Kaputt>& i) { return std::string(i.param.name); });

}  // namespace
