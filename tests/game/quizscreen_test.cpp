// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_fixture.h"

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
  Abblenden = 1.0f;
  int schritte = 0;
  while (Abblenden >= 0.05f && schritte < 100) {
    Abblende();
    ++schritte;
  }
  EXPECT_GE(schritte, 19);
  EXPECT_LE(schritte, 20);
  const float rest = Abblenden;
  Abblende();
  EXPECT_EQ(rest, Abblenden);
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
