// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped question must fit its text column on the question screen, also
// in the longest case: a ten-letter player name, two wrong tries with their tips
// and the resolution. The column ends above the first answer bar.
#include <gtest/gtest.h>

#include "app/eventloop.h"
#include "app/startup.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"
#include "game/players.h"
#include "game/quizscreen.h"
#include "platform/fs/fs.h"
#include "support/sandbox.h"

namespace {

TEST(ShippedQuestionsOnScreen, LongestTurnFitsAboveTheAnswerBars) {
  testing_support::Sandbox box;
  testing_support::UseDataFolderIn(box);
  LadeSchriften();
  ASSERT_TRUE(ComicFont20);
  for (auto& s : Spieler) s = std::make_shared<SpielerTyp>();
  Spieler[0]->Name = u"Maximilian";
  SpielerAnzahl = 1;
  FragenZaehler = 0;
  for (auto& q : AlleFragen) q = QuizType::Create();
  VergissDateiCache();
  LadeAlleFragen();
  draw::Surface surface;
  surface.Resize(1024, 768);
  draw::SetTarget(&surface);
  SkalaX = SkalaY = Skala = 1.0f;
  BildLinks = 554;
  const int ersteAntwortleiste = 465;
  int geprueft = 0;
  for (int n = 100; n <= 998; ++n) {
    QuizPtr q = AlleFragen[n];
    if (!q || q->Frage.empty()) continue;
    ++geprueft;
    DieseFrage = q;
    FrageNr = n;
    AntwortStatus = {};
    // the two wrong answers with the longest tips
    std::vector<int> falsch;
    for (int i = 1; i <= q->AntwortAnzahl(); ++i)
      if (i != q->Loesung) falsch.push_back(i);
    std::sort(falsch.begin(), falsch.end(),
              [&](int a, int b) { return q->Erklaerung[a].size() > q->Erklaerung[b].size(); });
    for (size_t k = 0; k < falsch.size() && k < 2; ++k) AntwortStatus[falsch[k]] = -1;
    Spielschritt = 6;
    MaleFrage();
    const int unten = 80 + TextZeilen * 13;  // half-lines of 13 pixels from y 80
    EXPECT_LE(unten, ersteAntwortleiste - 5) << "question " << n << " runs into the answer bars";
  }
  EXPECT_GE(geprueft, 100);
  DieseFrage = nullptr;
  Spielschritt = 0;
  draw::SetTarget(nullptr);
}

}  // namespace
