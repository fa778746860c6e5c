// SPDX-License-Identifier: GPL-3.0-or-later
// Question lists: number texts, applying the panel to the table, the play
// order and its list view, list files, the file dialogs and game preparation.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/startup.h"
#include "catalogue/lists.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"
#include "game/players.h"
#include "game/quizscreen.h"
#include "platform/fs/fs.h"
#include "platform/gui/gadgets.h"
#include "platform/gui/gui.h"
#include "platform/text.h"
#include "support/built_window.h"
#include "support/sandbox.h"
#include "ui/mainwindow.h"

namespace {

using Nummern = std::set<int>;

testing_support::Sandbox& Box() {
  static testing_support::Sandbox box;
  return box;
}

gui::Gadget* Grad(int g) { return Button[Mdi::BUTTON_GRAD + g]; }
gui::Gadget* Thema(int t) { return Button[Mdi::BUTTON_THEMA + t]; }

// Sets the grade boxes 0..8 and topic boxes 0..11 from bit masks.
void Boxen(int grade, int themen) {
  for (int g = 0; g < 9; ++g) Grad(g)->SetChecked((grade >> g) & 1);
  for (int t = 0; t < 12; ++t) Thema(t)->SetChecked((themen >> t) & 1);
}
constexpr int kAlleGrade = 0x1ff, kAlleThemen = 0xfff;

void Reihenfolge(bool zufaellig) {
  Button[Mdi::BUT_REIHE_Z]->SetChecked(zufaellig);
  Button[Mdi::BUT_REIHE_R]->SetChecked(!zufaellig);
}

void Texte(const u16& niemals, const u16& immer) {
  NiemalsListe->SetText(niemals);
  ImmerListe->SetText(immer);
}

QuizPtr Neu(int n, int problem = 50, const u16& bereich = u"Oper", int loesung = 1) {
  auto r = QuizType::Create();
  r->Frage = u"Frage " + text::Num(n);
  r->Problem = problem;
  r->Bereich = bereich;
  r->Loesung = loesung;
  for (int a = 1; a <= 5; ++a) r->Antwort[a] = u"A" + text::Num(n) + u"-" + text::Num(a);
  AlleFragen[n] = r;
  return r;
}

Nummern Erlaubt() {
  Nummern s;
  for (int n = 1; n <= 998; ++n)
    if (AlleFragen[n] && AlleFragen[n]->Loesung != 0 && AlleFragen[n]->InListeEnthalten == 1) s.insert(n);
  return s;
}

std::vector<int> Reihe(int bis) { return std::vector<int>(ListenFragen.begin() + 1, ListenFragen.begin() + 1 + bis); }

Nummern Bereich(int von, int bis, Nummern ohne = {}) {
  Nummern s;
  for (int n = von; n <= bis; ++n)
    if (!ohne.count(n)) s.insert(n);
  return s;
}

class ListsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing_support::BuiltWindow();
    testing_support::UseDataFolderIn(Box());
  }
  void SetUp() override {
    alleFragen_ = AlleFragen;
    themen_ = Themen;
    themenAnzahl_ = ThemenAnzahl;
    textFelder_ = TextFelder;
    zeilenHoehe_ = TextFeldZeilenHoehe;
    AlleFragen = {};
    Themen = {};
    Themen[0] = u"Oper";
    Themen[1] = u"Jazz";
    Themen[2] = u"Pop";
    ThemenAnzahl = 3;
    for (int i = 0; i < 3; ++i) TextFelder[i] = TTextField::Create();
    TextFeldZeilenHoehe = 20;
    Boxen(0, 0);
    Texte(u"", u"");
    Reihenfolge(true);
    FragenListeDatei.clear();
    ErlaubteFragen = 0;
    ListenFragen = {};
  }
  void TearDown() override {
    gui::SetRequestFileHandler(nullptr);
    AlleFragen = alleFragen_;
    Themen = themen_;
    ThemenAnzahl = themenAnzahl_;
    TextFelder = textFelder_;
    TextFeldZeilenHoehe = zeilenHoehe_;
    FragenListeDatei.clear();
  }

 private:
  decltype(AlleFragen) alleFragen_;
  decltype(Themen) themen_;
  int themenAnzahl_ = 0;
  decltype(TextFelder) textFelder_;
  int zeilenHoehe_ = 0;
};

TEST(NummerInListe, NumbersAndRanges) {
  struct Fall {
    const char16_t* text;
    int nummer;
    int erwartet;
  };
  const Fall faelle[] = {
      {u"5 10-20", 5, 1},  {u"5 10-20", 4, 0},  {u"5 10-20", 10, 1}, {u"5 10-20", 15, 1},
      {u"5 10-20", 20, 1}, {u"5 10-20", 21, 0}, {u"", 1, 0},         {u"12", 12, 1},
      {u"12", 1, 0},       {u"3-5", 4, 1},      {u"20-10", 15, 0},   {u"7  9", 9, 1},
      {u"7  9", 0, 1},  // the empty token between two blanks reads as 0
      {u"7-", 7, 0},       {u"x12", 12, 0},     {u"12x", 12, 1},     {u"1-999999999", 998, 1},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(f.erwartet, NummerInListe(f.nummer, f.text)) << text::ToUtf8(f.text) << " / " << f.nummer;
}

TEST_F(ListsTest, ApplyDecidesByGradeTopicNiemalsAndImmer) {
  for (int n = 1; n <= 25; ++n) Neu(n);  // grade box 4, topic box 0
  Neu(30, 5);
  Neu(31, 19);
  Neu(32, 20);
  Neu(33, 90);
  Neu(34, 300);
  Neu(35, 50, u"Rock");  // not a listed topic: the last topic's box
  Neu(36, 50, u"Pop");   // the last topic itself
  Neu(37, 50, u"Jazz");
  Neu(40)->Frage.clear();  // no text: never allowed
  Neu(41, 50, u"Oper", 0);  // no answer: never allowed, never counted

  const Nummern alle = Bereich(1, 37, Bereich(26, 29));
  struct Fall {
    const char* was;
    int grade, themen;
    const char16_t *niemals, *immer;
    Nummern erwartet;
  };
  const Fall faelle[] = {
      {"Niemals with all boxes set", kAlleGrade, kAlleThemen, u"5 10-20", u"", [&] {
         Nummern s = alle;
         for (int n : Bereich(10, 20)) s.erase(n);
         s.erase(5);
         return s;
       }()},
      {"Immer with every box clear", 0, 0, u"", u"12", {12}},
      {"a number in both texts", kAlleGrade, kAlleThemen, u"7", u"7", alle},
      {"grade 1 takes Problem 0..19", 1 << 0, kAlleThemen, u"", u"", {30, 31}},
      {"grade 2 starts at Problem 20", 1 << 1, kAlleThemen, u"", u"", {32}},
      {"grade 9 takes Problem 90 and more", 1 << 8, kAlleThemen, u"", u"", {33, 34}},
      {"unknown topic goes by the last box", kAlleGrade, 1 << 2, u"", u"", {35, 36}},
      {"a listed topic goes by its own box", kAlleGrade, 1 << 1, u"", u"", {37}},
      {"Immer without text or answer", 0, 0, u"", u"40 41 3-4", {3, 4}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    Boxen(f.grade, f.themen);
    Texte(f.niemals, f.immer);
    FrageListeAnwenden();
    EXPECT_EQ(f.erwartet, Erlaubt());
    EXPECT_EQ(static_cast<int>(f.erwartet.size()), ErlaubteFragen);
    EXPECT_EQ(0, AlleFragen[40]->InListeEnthalten);
  }
}

TEST_F(ListsTest, WithoutTopicsEveryQuestionGoesByTheFirstTopicBox) {
  ThemenAnzahl = 0;
  Themen = {};
  Neu(1, 50, u"Oper");
  Neu(2, 50, u"");
  Boxen(kAlleGrade, 1);
  FrageListeAnwenden();
  EXPECT_EQ((Nummern{1, 2}), Erlaubt());
  Boxen(kAlleGrade, kAlleThemen & ~1);
  FrageListeAnwenden();
  EXPECT_EQ(Nummern{}, Erlaubt());
}

TEST_F(ListsTest, PlayOrderPutsImmerFirstOnlyInSequence) {
  for (int n = 1; n <= 40; ++n) Neu(n);
  auto aufsteigend = [](std::vector<int> vorne, Nummern ohne) {
    for (int n : Bereich(1, 40, ohne)) vorne.push_back(n);
    return vorne;
  };
  struct Fall {
    const char* was;
    bool zufaellig;
    const char16_t* immer;
    std::vector<int> erwartet;
  };
  const Fall faelle[] = {
      {"sequence, Immer 30 7", false, u"30 7", aufsteigend({30, 7}, {30, 7})},
      {"sequence, a range moves its first number only", false, u"3-5", aufsteigend({3}, {3})},
      {"random lists ascending", true, u"30 7", aufsteigend({}, {})},
      {"numbers outside 1..998 are passed over; a repeat is placed twice", false, u"0 1500 -3 999 30  30",
       aufsteigend({30, 30}, {30})},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    Boxen(kAlleGrade, kAlleThemen);
    Texte(u"", f.immer);
    Reihenfolge(f.zufaellig);
    ListenPosition = 17;
    FrageListeAnwenden();
    EXPECT_EQ(40, ErlaubteFragen);
    EXPECT_EQ(f.erwartet, Reihe(static_cast<int>(f.erwartet.size())));
    EXPECT_EQ(0, ListenPosition);
  }
}

TEST_F(ListsTest, ListViewColumnsAndScrollRange) {
  Neu(1);
  Neu(2, 50, u"Oper", 2);
  Neu(3, 50, u"Oper", 6);  // names no answer: an empty line in the answers column
  Neu(4)->Frage.clear();
  Boxen(kAlleGrade, kAlleThemen);
  Texte(u"", u"3");
  Reihenfolge(false);
  NeuMalen = 0;
  FrageListeAnwenden();
  EXPECT_EQ(u"3\n1\n2\n", TextFelder[0]->Text);
  EXPECT_EQ(u"\nA1-1\nA2-2\n", TextFelder[1]->Text);
  EXPECT_EQ(u"Frage 3\nFrage 1\nFrage 2\n", TextFelder[2]->Text);
  EXPECT_EQ(1, NeuMalen);
  EXPECT_EQ(300, Slider[Mdi::SLID_LISTE]->RangeA());
  EXPECT_EQ(4 * 20, Slider[Mdi::SLID_LISTE]->RangeB());

  // Nothing allowed: empty columns.
  Boxen(0, 0);
  Texte(u"", u"");
  FrageListeAnwenden();
  EXPECT_EQ(u"", TextFelder[0]->Text);
  EXPECT_EQ(0, ErlaubteFragen);
}

TEST_F(ListsTest, PlacementsStopAtTheLastPosition) {
  for (int n = 1; n <= 998; ++n) Neu(n);
  u16 immer;
  for (int i = 0; i < 1200; ++i) immer += u"7 ";
  Boxen(kAlleGrade, kAlleThemen);
  Texte(u"", immer);
  Reihenfolge(false);
  FrageListeAnwenden();
  EXPECT_EQ(998, ErlaubteFragen);
  EXPECT_EQ(7, ListenFragen[1]);
  EXPECT_EQ(7, ListenFragen[998]);
  EXPECT_EQ(0, ListenFragen[0]);
}

TEST_F(ListsTest, SavedListLoadsBackExceptTopicBoxesTenAndEleven) {
  Neu(7);
  Neu(30);
  const u16 datei = Box().Path("liste.lst");
  Boxen((1 << 0) | (1 << 2) | (1 << 8), (1 << 1) | (1 << 9) | (1 << 10));
  Texte(u"5 10-20", u"30 7");
  Reihenfolge(false);
  SchreibeFrageListe(datei);
  EXPECT_EQ(
      "[DieseNicht]\r\nData=5 10-20\r\n[DieseDoch]\r\nData=30 7\r\n"
      "[Grade]\r\n0=1\r\n1=0\r\n2=1\r\n3=0\r\n4=0\r\n5=0\r\n6=0\r\n7=0\r\n8=1\r\n"
      "[Thema]\r\n0=0\r\n1=1\r\n2=0\r\n3=0\r\n4=0\r\n5=0\r\n6=0\r\n7=0\r\n8=0\r\n9=1\r\n"
      "[Reihenfolge]\r\nData=0\r\n",
      Box().Read("liste.lst"));

  Boxen(~((1 << 0) | (1 << 2) | (1 << 8)) & kAlleGrade, ~((1 << 1) | (1 << 9) | (1 << 10)) & kAlleThemen);
  Texte(u"1", u"2");
  Reihenfolge(true);
  LadeFrageListe(datei);
  EXPECT_EQ(datei, FragenListeDatei);
  for (int g = 0; g < 9; ++g) EXPECT_EQ(g == 0 || g == 2 || g == 8, Grad(g)->Checked()) << "grade " << g;
  for (int t = 0; t < 10; ++t) EXPECT_EQ(t == 1 || t == 9, Thema(t)->Checked()) << "topic " << t;
  EXPECT_FALSE(Thema(10)->Checked());  // not in the file: kept
  EXPECT_TRUE(Thema(11)->Checked());
  EXPECT_EQ(u"5 10-20", NiemalsListe->Text());
  EXPECT_EQ(u"30 7", ImmerListe->Text());
  EXPECT_FALSE(Button[Mdi::BUT_REIHE_Z]->Checked());
  EXPECT_TRUE(Button[Mdi::BUT_REIHE_R]->Checked());
  // ... and applied: 7 and 30 are allowed through "Immer", in that order.
  EXPECT_EQ((Nummern{7, 30}), Erlaubt());
  EXPECT_EQ((std::vector<int>{30, 7}), Reihe(2));

  Reihenfolge(true);
  SchreibeFrageListe(datei);
  Reihenfolge(false);
  LadeFrageListe(datei);
  EXPECT_TRUE(Button[Mdi::BUT_REIHE_Z]->Checked());
  EXPECT_FALSE(Button[Mdi::BUT_REIHE_R]->Checked());
}

TEST_F(ListsTest, FileDialogsUseTheListFolderAndCancelChangesNothing) {
  struct Aufruf {
    u16 titel, filter, ordner;
    bool speichern;
  };
  std::vector<Aufruf> aufrufe;
  u16 antwort;
  gui::SetRequestFileHandler([&](const u16& t, const u16& f, const u16& o, bool s) {
    aufrufe.push_back({t, f, o, s});
    return antwort;
  });
  const std::string ordner = "Brelquisto/Parlavinto/Daten/Spiele/";
  Neu(12);
  Texte(u"", u"12");

  antwort.clear();
  FrageListeSpeichernUnter();
  ASSERT_EQ(1u, aufrufe.size());
  EXPECT_EQ(u"Frageliste wählen", aufrufe[0].titel);
  EXPECT_EQ(u"Frage-Liste:lst", aufrufe[0].filter);
  EXPECT_EQ(SpieleOrdner(), aufrufe[0].ordner);
  EXPECT_TRUE(aufrufe[0].speichern);
  EXPECT_EQ(fs::Type::Folder, fs::FileType(SpieleOrdner()));

  antwort = Box().Path(ordner + "meine");  // no extension: ".lst" is added
  FrageListeSpeichernUnter();
  EXPECT_TRUE(Box().Exists(ordner + "meine.lst"));
  EXPECT_EQ(u"", FragenListeDatei);  // saving does not make it the current list

  antwort.clear();
  FrageListeOeffnen();
  EXPECT_FALSE(aufrufe.back().speichern);
  EXPECT_EQ(SpieleOrdner(), aufrufe.back().ordner);
  EXPECT_EQ(u"", FragenListeDatei);

  Texte(u"", u"");
  antwort = Box().Path(ordner + "meine.lst");
  FrageListeOeffnen();
  EXPECT_EQ(antwort, FragenListeDatei);
  EXPECT_EQ(u"12", ImmerListe->Text());
  EXPECT_EQ(Nummern{12}, Erlaubt());
}

TEST_F(ListsTest, GamePreparationMarksQuestionsOutsideTheList) {
  for (int n = 1; n <= 10; ++n) Neu(n)->Heute = 50;
  Neu(11, 50, u"Oper", 0)->Heute = 7;  // no answer: left alone
  const u16 datei = Box().Path("spiel.lst");
  Texte(u"", u"2 4");
  SchreibeFrageListe(datei);
  Texte(u"", u"");  // changed on the panel, not saved: the file wins

  FragenListeDatei = datei;
  FrageListeFuerSpiel(FragenListeDatei);  // the caller's global itself
  EXPECT_EQ(datei, FragenListeDatei);
  EXPECT_EQ(2, ErlaubteFragen);
  EXPECT_EQ(u"2 4", ImmerListe->Text());
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(n == 2 || n == 4 ? 0 : 999, AlleFragen[n]->Heute) << n;
  EXPECT_EQ(7, AlleFragen[11]->Heute);

  FrageListeFuerSpiel(u"");
  EXPECT_EQ(u"", FragenListeDatei);
  EXPECT_EQ(10, ErlaubteFragen);
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(0, AlleFragen[n]->Heute) << n;

  // The file vanished before the game started: read as empty.
  ASSERT_TRUE(fs::Remove(datei));
  FrageListeFuerSpiel(datei);
  EXPECT_EQ(datei, FragenListeDatei);
  EXPECT_EQ(0, ErlaubteFragen);
  EXPECT_EQ(u"", ImmerListe->Text());
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(999, AlleFragen[n]->Heute) << n;
}

TEST_F(ListsTest, MalformedListFilesLoadSafely) {
  for (int n = 1; n <= 30; ++n) Neu(n);
  std::string garbage;
  uint32_t x = 12345;
  for (int i = 0; i < 65536; ++i) {
    x = x * 1103515245u + 12345u;
    garbage += static_cast<char>(x >> 24);
  }
  std::string alleBoxen = "[Grade]\r\n";
  for (int g = 0; g < 9; ++g) alleBoxen += std::to_string(g) + "=1\r\n";
  alleBoxen += "[Thema]\r\n";
  for (int t = 0; t < 10; ++t) alleBoxen += std::to_string(t) + "=1\r\n";
  std::string langeZeile = "[DieseNicht]\r\nData=";
  for (int i = 0; i < 400000; ++i) langeZeile += "12 ";
  langeZeile += "\r\n" + alleBoxen;

  struct Fall {
    const char* was;
    std::string inhalt;
    Nummern erwartet;
  };
  const Fall faelle[] = {
      {"binary garbage", garbage, {}},
      {"a huge line", langeZeile, Bereich(1, 30, {12})},
      {"sections missing, LF line ends", "[Grade]\n4=1\n[Thema]\n0=1\n", Bereich(1, 30)},
      {"truncated", "[DieseDoch]\r\nDa", {}},
      {"empty", "", {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    Boxen(0, 0);
    Box().Write("kaputt.lst", f.inhalt);
    LadeFrageListe(Box().Path("kaputt.lst"));
    if (f.inhalt != garbage) {
      EXPECT_EQ(f.erwartet, Erlaubt());
    }
    EXPECT_GE(ErlaubteFragen, 0);
    EXPECT_LE(ErlaubteFragen, 30);
    EXPECT_EQ(static_cast<int>(Erlaubt().size()), ErlaubteFragen);
  }
}

}  // namespace
