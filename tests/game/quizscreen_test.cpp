// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/startup.h"
#include "game/game_fixture.h"
#include "platform/fs/fs.h"

namespace {

// 10 font pixels per character, brackets included.
int Breite(const std::u16string& t) { return static_cast<int>(t.size()) * 10; }

struct Umbruch {
  const char* name;
  const char16_t* text;
  int breite;
  std::vector<std::u16string> zeilen;
};

class WordWrap : public ::testing::TestWithParam<Umbruch> {};
// Cases print as their names, not as bytes.
void PrintTo(const Umbruch& u, std::ostream* os) { *os << u.name; }

TEST_P(WordWrap, Lines) {
  const Umbruch& u = GetParam();
  EXPECT_EQ(u.zeilen, BrichZeilen(u.text, u.breite, Breite));
}

INSTANTIATE_TEST_SUITE_P(
    QuizScreen, WordWrap,
    ::testing::Values(
        Umbruch{"FitsWithBlanksIsOneLine", u"ab cd ef", 90, {u"ab cd ef"}},
        Umbruch{"ExactlyAsWideBreaksAtTheLastBlank", u"ab cd ef", 80, {u"ab cd", u"ef"}},
        Umbruch{"Paragraph", u"eins zwei drei vier", 100, {u"eins zwei", u"drei vier"}},
        Umbruch{"LongFirstWordBreaksInside", u"abcdefghij kl", 40, {u"abcd", u"efgh", u"ij", u"kl"}},
        Umbruch{"NoBlankWiderThanTheColumn", u"abcdefgh", 30, {u"abc", u"def", u"gh"}},
        Umbruch{"ColumnNarrowerThanOneCharacter", u"abc", 5, {u"a", u"b", u"c"}},
        Umbruch{"ZeroWidth", u"a b", 0, {u"a", u"", u"b"}},
        Umbruch{"BracketsCountInTheWidth", u"[Tipp:] ab", 90, {u"[Tipp:]", u"ab"}},
        Umbruch{"TrailingBlankAddsNoEmptyLine", u"abcd ", 50, {u"abcd"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuizScreen, LongTextsTerminate) {
  std::u16string text(5000, u'x');
  auto zeilen = BrichZeilen(text, 35, Breite);
  ASSERT_FALSE(zeilen.empty());
  for (const auto& z : zeilen) EXPECT_FALSE(z.empty());
  std::u16string blanks(3000, u' ');
  EXPECT_LT(BrichZeilen(blanks, 35, Breite).size(), 1100u);
}

using QuizCanvas = testing_support::GameTest;

TEST_F(QuizCanvas, PaintsOnlyOnRequest) {
  auto q = Frage(200);
  DieseFrage = q;
  Spielschritt = 3;
  NeuMalen = 0;
  TextZeilen = -7;
  MaleQuiz();
  EXPECT_EQ(-7, TextZeilen);  // nothing drawn
  NeuMalen = 2;
  MaleQuiz();
  EXPECT_EQ(0, NeuMalen);
  EXPECT_GE(TextZeilen, 2);  // at least one line of question text
}

TEST_F(QuizCanvas, FadeLowersTheOverlayTillItIsGone) {
  draw::SetTarget(&canvas.Surface());
  fs::RegisterEmbeddedArchive();
  const draw::ImagePtr vorher = LeerHintergrundBild;
  LeerHintergrundBild = draw::Image::LoadDeferred(fs::EmbeddedRoot() + u"Images/HinterLeer2.png");
  ASSERT_TRUE(LeerHintergrundBild);
  Abblenden = 1.0f;
  int schritte = 0;
  while (Abblenden >= 0.05f && schritte < 100) {
    Abblende();
    ++schritte;
    if (Abblenden >= 0.05f) {
      EXPECT_GT(LeerHintergrundBild->CachedBytes(), 0u) << "kept while the fade runs";
    }
  }
  EXPECT_GE(schritte, 19);
  EXPECT_LE(schritte, 20);
  EXPECT_EQ(0u, LeerHintergrundBild->CachedBytes()) << "freed once the fade is over";
  const float rest = Abblenden;
  Abblende();
  EXPECT_EQ(rest, Abblenden);
  LeerHintergrundBild = vorher;
}

TEST_F(QuizCanvas, TextFieldKeepsItsLineHeight) {
  auto feld = TTextField::Create();
  feld->Make(40, 0, 150, 290, nullptr);
  EXPECT_EQ(40, feld->X);
  EXPECT_EQ(150, feld->Breit);
  EXPECT_EQ(290, feld->Hoch);
  EXPECT_TRUE(feld->Text.empty());
  feld->Text = u"eins\nzwei\ndrei";
  draw::SetTarget(&canvas.Surface());
  TextFeldZeilenHoehe = -1;
  feld->Male(0);
  EXPECT_GE(TextFeldZeilenHoehe, 1);
}

}  // namespace

namespace {

TEST_F(QuizCanvas, MusicalStringsLongerThanEightAreKeptWhole) {
  draw::SetTarget(&canvas.Surface());
  const std::u16string lang = u"ABCDEFGHIJKLMN";
  MaleMusicalZeile(lang);
  EXPECT_EQ(lang, LetztesMusical);
  EXPECT_EQ(lang.size() + 1, MusicalBild.size());
  MaleMusicalZeile(u"AB");
  EXPECT_EQ(3u, MusicalBild.size());
  MaleMusicalZeile(u"");  // draws nothing, keeps the pictures
  EXPECT_EQ(u"AB", LetztesMusical);
}

}  // namespace

// ---------------------------------------------------------------- hostile names and lines

#include <sys/stat.h>

#include "support/hostile.h"
#include "support/sandbox.h"

namespace {

class QuizCanvasFiles : public testing_support::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    testing_support::UseDataFolderIn(box);
    VergissFragenBilder();
    draw::SetTarget(&canvas.Surface());
  }
  void TearDown() override {
    VergissFragenBilder();
    GameTest::TearDown();
  }
  void RotesBild(const std::string& rel) {
    box.Write(rel, "");
    ASSERT_TRUE(draw::Pixmap(8, 8, 0xFFFF0000u).SavePng(box.Dir() + "/" + rel));
  }
  // Whether MaleBild drew the red 8 x 8 test picture (enlarged twice).
  bool ZeigtRot(const std::u16string& name) {
    draw::Surface& s = canvas.Surface();
    s.SetClsColor(0, 0, 255);
    s.Cls();
    MaleBild(name);
    return (s.Pixels()[size_t(88) * s.DeviceWidth() + BildLinks + 8] & 0xFFFFFF) == 0xFF0000;
  }
  const std::string daten = "Brelquisto/Parlavinto/Daten/";
  testing_support::Sandbox box;
};

TEST_F(QuizCanvasFiles, PictureNamesAreFileNamesInTheDataFolder) {
  RotesBild(daten + "eigen.png");
  RotesBild("draussen.png");  // beside the data folder, not in it
  ASSERT_EQ(0, mkfifo((box.Dir() + "/" + daten + "rohr.png").c_str(), 0600));
  const struct {
    const char16_t* name;
    bool rot;
  } faelle[] = {
      {u"eigen.png", true},
      {u"Ordner/eigen.png", true},             // only the file-name part counts
      {u"..\\..\\eigen.png", true},
      {u"../../../draussen.png", false},       // no way out of the folder
      {u"../../../../../../../../dev/zero", false},
      {u"/dev/zero", false},
      {u"rohr.png", false},                    // a FIFO: refused, nothing blocks
      {u"../Daten/rohr.png", false},
      {u"..", false},
      {u"Daten/", false},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(text::ToUtf8(f.name));
    EXPECT_EQ(f.rot, ZeigtRot(f.name));
  }
}

TEST_F(QuizCanvasFiles, APictureThatFailedIsNotLoadedAgainAtEveryPaint) {
  EXPECT_FALSE(ZeigtRot(u"spaeter.png"));
  RotesBild(daten + "spaeter.png");
  EXPECT_FALSE(ZeigtRot(u"spaeter.png"));  // remembered as missing
  // four other names push it out, as other questions' pictures do
  for (const char16_t* n : {u"a.png", u"b.png", u"c.png", u"d.png"}) ZeigtRot(n);
  EXPECT_TRUE(ZeigtRot(u"spaeter.png"));
  // a truncated large picture fails once and is then remembered as failed
  const std::string gross = testing_support::SchwarzesPng(4096, 4096, true);
  box.Write(daten + "halb.png", gross.substr(0, gross.size() / 2));
  EXPECT_FALSE(ZeigtRot(u"halb.png"));
  RotesBild(daten + "halb.png");
  EXPECT_FALSE(ZeigtRot(u"halb.png"));
  VergissFragenBilder();  // what the editor does when it brings in a picture
  EXPECT_TRUE(ZeigtRot(u"halb.png"));
}

TEST_F(QuizCanvasFiles, AHugePictureIsNotShown) {
  box.Write(daten + "riesig.png", testing_support::SchwarzesPng(16384, 16384, false));
  EXPECT_FALSE(ZeigtRot(u"riesig.png"));
}

TEST_F(QuizCanvasFiles, AVeryLongMusicalLineIsCutToTheCanvas) {
  for (int breite : {1024, 450, 3000}) {
    SCOPED_TRACE(breite);
    canvas.SetShape(0, 0, breite, 768);
    SkalaX = breite / 1024.0f;
    Skala = std::min(SkalaX, 1.0f);
    draw::SetTarget(&canvas.Surface());
    const std::u16string zeile(10000, u'f');  // a symbol of the archive
    LetztesMusical.clear();
    MaleMusicalZeile(zeile);
    EXPECT_EQ(zeile, LetztesMusical);
    ASSERT_GT(MusicalBild.size(), 1u);
    ASSERT_TRUE(MusicalBild[1]);
    // every symbol kept starts inside the canvas, and one more would not
    const float schritt = static_cast<float>(static_cast<int>(MusicalBild[1]->Width() * 0.4f * Skala));
    const float platz = breite - 590 * SkalaX;
    const size_t gezeigt = MusicalBild.size() - 1;
    EXPECT_LT((gezeigt - 1) * schritt, platz);
    EXPECT_GE(gezeigt * schritt, platz);
    // the same picture, loaded once
    EXPECT_EQ(MusicalBild[1], MusicalBild.back());
  }
}

// On a half-wide screen the symbols shrink, and so do the steps between them:
// the row stays as closely set as at full size and fits the canvas.
TEST_F(QuizCanvasFiles, MusicalLineKeepsItsSpacingOnASmallerCanvas) {
  struct Fall {
    int breite;
    float skala;
  } const faelle[] = {{1024, 1.0f}, {512, 0.5f}};
  const std::u16string zeile = u"ffffffff";  // eight symbols of the archive
  int tinte[2] = {0, 0};
  for (size_t f = 0; f < 2; ++f) {
    SCOPED_TRACE(faelle[f].breite);
    canvas.SetShape(0, 0, faelle[f].breite, 768);
    SkalaX = Skala = faelle[f].skala;
    draw::Surface& s = canvas.Surface();
    draw::SetTarget(&s);
    s.SetClsColor(255, 255, 255);
    s.Cls();
    LetztesMusical.clear();
    MaleMusicalZeile(zeile);
    ASSERT_EQ(zeile.size() + 1, MusicalBild.size()) << "every symbol fits";
    // the rightmost dark pixel of the row, measured from where the row starts
    const int start = static_cast<int>(590 * SkalaX);
    int rechts = -1;
    for (int y = 80; y < std::min(s.DeviceHeight(), 80 + 200); ++y)
      for (int x = start; x < s.DeviceWidth(); ++x)
        if ((s.Pixels()[size_t(y) * s.DeviceWidth() + x] & 0xFF) < 128) rechts = std::max(rechts, x - start);
    ASSERT_GT(rechts, 0);
    EXPECT_LT(start + rechts, s.DeviceWidth());
    tinte[f] = rechts;
  }
  // half the size, half the length (give or take the rounding of each step)
  EXPECT_NEAR(tinte[0] / 2.0, tinte[1], 8.0);
}

TEST_F(QuizCanvasFiles, LongLinesOfSymbolsWithoutPicturesStayBounded) {
  MaleMusicalZeile(std::u16string(10000, u'Z'));
  EXPECT_LE(MusicalBild.size(), kMusicalZeichenHoechstens + 1);
}

}  // namespace
