// SPDX-License-Identifier: GPL-3.0-or-later
// The announcement and the question screen drawn with the real assets at two
// canvas sizes, compared against committed pictures in tests/game/reference/.
// Set PARLAVINTO_UPDATE_REFERENCES=1 to write new reference pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "app/startup.h"
#include "game/players.h"
#include "game/quizscreen.h"
#include "platform/text.h"
#include "game/game_fixture.h"
#include "platform/fs/fs.h"

namespace {

using testing_support::GameTest;

class ReferenceImage : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    fs::RegisterEmbeddedArchive();
    SetzePfade();
    LadeSchriften();
    LadeBilder();
    // Without the archive's fonts and pictures there is nothing to compare: a fault.
    ASSERT_TRUE(HintergrundBild && HighScoreBild && ComicFont20 && PfeilBild[0])
        << "the archive's fonts or pictures did not load";
  }

  void Groesse(int w, int h) {
    canvas.Surface().Resize(w, h);
    SkalaX = w / 1024.0f;
    SkalaY = h / 768.0f;
    Skala = SkalaX <= SkalaY ? SkalaX : SkalaY;
    BildLinks = static_cast<int>(std::trunc(w - 200 * SkalaX - 270 * Skala));
  }

  void Spielerfeld() {
    Spieler[0]->Name = u"Anna";
    Spieler[0]->Alter = 10;
    Spieler[0]->Punkte = 30;
    Spieler[1]->Name = u"Bernd";
    Spieler[1]->Alter = 12;
    Spieler[1]->Punkte = 50;
    Spieler[2]->Name = u"Clara";
    Spieler[2]->Alter = 11;
    Spieler[2]->Punkte = 0;
    SpielerAnzahl = 3;
    FragenZaehler = 1;  // Bernd's turn
    AktuellesAlter = 12;
  }

  static QuizPtr FesteFrage123() {
    auto q = QuizType::Create();
    q->Frage = u"Welches dieser Instrumente gehört zu den Holzblasinstrumenten, obwohl es meist aus Metall gebaut wird?";
    q->Bereich = u"Instrumente";
    q->Problem = 25;
    q->Loesung = 3;
    q->Antwort = {u"", u"Trompete", u"Posaune", u"Querflöte", u"Tuba", u""};
    q->Erklaerung = {u"", u"Die Trompete ist ein Blechblasinstrument.", u"", u"Richtig: Die Querflöte zählt zu den Holzblasinstrumenten.", u"", u""};
    q->Bild = u"counter 7.GIF";  // drawn from "counter 7.png", enlarged twice
    AlleFragen[123] = q;
    return q;
  }

  void Vergleiche(const std::string& name) {
    const draw::Surface& s = canvas.Surface();
    draw::PixmapPtr ist = s.Grab(0, 0, s.Width(), s.Height());
    ASSERT_TRUE(ist);
    const std::string ref = std::string(PARLAVINTO_SOURCE_DIR) + "/tests/game/reference/" + name + ".png";
    const char* update = std::getenv("PARLAVINTO_UPDATE_REFERENCES");
    if (update && std::string(update) == "1") {
      ASSERT_TRUE(ist->SavePng(ref));
      GTEST_SKIP() << "wrote " << ref;
    }
    const std::string aktuell = std::string(PARLAVINTO_BINARY_DIR) + "/" + name + ".actual.png";
    draw::PixmapPtr soll = draw::Pixmap::Load(text::FromUtf8(ref));
    if (!soll) {
      ist->SavePng(aktuell);
      FAIL() << "no reference picture " << ref << " (run with PARLAVINTO_UPDATE_REFERENCES=1)";
    }
    ASSERT_EQ(soll->width, ist->width);
    ASSERT_EQ(soll->height, ist->height);
    long abweichend = 0;
    for (size_t i = 0; i < ist->pixels.size(); ++i) {
      const uint32_t a = ist->pixels[i], b = soll->pixels[i];
      int d = 0;
      for (int sh = 0; sh < 24; sh += 8) d = std::max(d, std::abs(int((a >> sh) & 255) - int((b >> sh) & 255)));
      if (d > 24) ++abweichend;
    }
    const long erlaubt = static_cast<long>(ist->pixels.size() / 500);  // 0.2 %
    if (abweichend > erlaubt) ist->SavePng(aktuell);
    EXPECT_LE(abweichend, erlaubt) << name << ": see " << aktuell;
  }
};

struct Format {
  int w, h;
};

TEST_F(ReferenceImage, AnnouncementAndQuestionScreen) {
  for (Format f : {Format{1024, 768}, Format{512, 768}}) {
    const std::string groesse = std::to_string(f.w) + "x" + std::to_string(f.h);
    Groesse(f.w, f.h);
    Spielerfeld();
    FesteFrage123();

    // Announcement, second half: question number, difficulty, points, topic.
    FrageNr = 123;
    FragenPunkte = FragenWert(25, AktuellesAlter);
    Spielschritt = 1;
    AnsageEnde = now + 2000;
    Abblenden = 0;
    NeuMalen = 1;
    MaleQuiz();
    Vergleiche("ansage_" + groesse);

    // Question decided after two wrong tries: tip, solution, "weiter".
    DieseFrage = AlleFragen[123];
    AntwortStatus = {0, -1, 0, 0, -1, 0};
    Spielschritt = 6;
    NeuMalen = 1;
    MaleQuiz();
    Vergleiche("frage_" + groesse);
  }
}

TEST_F(ReferenceImage, NoPlayableQuestionMessage) {
  Groesse(1024, 768);
  Tick();
  Tick();
  ASSERT_EQ(1, KeineFrage);
  NeuMalen = 1;
  MaleQuiz();
  Vergleiche("keine_frage_1024x768");
}

// The message about a game without playable questions never reaches into the
// ranking panel (from x 680 of the layout), whatever the window's shape.
TEST_F(ReferenceImage, NoPlayableQuestionMessageKeepsOffTheRankingPanel) {
  for (Format f : {Format{1024, 768}, Format{450, 900}, Format{450, 450}, Format{1600, 600}, Format{2048, 1536}}) {
    SCOPED_TRACE(std::to_string(f.w) + "x" + std::to_string(f.h));
    Groesse(f.w, f.h);
    Spielschritt = 0;
    Abblenden = 0;
    KeineFrage = 0;
    NeuMalen = 1;
    MaleQuiz();
    draw::PixmapPtr ohne = canvas.Surface().Grab(0, 0, f.w, f.h);
    KeineFrage = 1;
    NeuMalen = 1;
    MaleQuiz();
    draw::PixmapPtr mit = canvas.Surface().Grab(0, 0, f.w, f.h);
    ASSERT_TRUE(ohne && mit);
    const int panel = static_cast<int>(680 * SkalaX);
    int links = f.w, rechts = -1;
    for (int y = 0; y < f.h; ++y)
      for (int x = 0; x < f.w; ++x)
        if (mit->At(x, y) != ohne->At(x, y)) {
          links = std::min(links, x);
          rechts = std::max(rechts, x);
        }
    ASSERT_GE(rechts, 0) << "no message drawn";
    EXPECT_LT(rechts, panel);
    EXPECT_GE(links, 0);
  }
  KeineFrage = 0;
}

// Names too wide for their place end in an ellipsis; names that fit stay whole.
TEST_F(ReferenceImage, LongNamesAreShortenedToTheirPlace) {
  Groesse(1024, 768);
  draw::Surface& s = canvas.Surface();
  draw::SetTarget(&s);
  s.SetFont(ComicFont36);
  const struct {
    const char16_t* name;
    float skala;
    bool ganz;
  } faelle[] = {{u"Anna", 1.0f, true}, {u"WWWWWWWWWW", 1.0f, false}, {u"WWWWWWWWWW", 0.44f, false},
                {u"Maximilian", 1.0f, true}, {u"", 1.0f, true}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(text::ToUtf8(f.name));
    s.SetScale(f.skala, f.skala);
    const float breite = 190 * f.skala;
    const u16 gezeigt = Gekuerzt(f.name, breite);
    EXPECT_LE(s.TextWidth(gezeigt) * f.skala, breite);
    if (f.ganz) {
      EXPECT_EQ(u16(f.name), gezeigt);
    } else {
      ASSERT_FALSE(gezeigt.empty());
      EXPECT_EQ(u'\u2026', gezeigt.back());
      EXPECT_GT(gezeigt.size(), 2u);
    }
  }
  draw::SetTarget(nullptr);
}

}  // namespace
