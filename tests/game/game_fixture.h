// SPDX-License-Identifier: GPL-3.0-or-later
// Fixture for the game tests: a clean game state on a fake canvas, a clock the
// test moves by hand, and helpers for question records and players.
#pragma once
#include <gtest/gtest.h>

#include "app/eventloop.h"
#include "catalogue/lists.h"
#include "catalogue/questions.h"
#include "game/fake_canvas.h"
#include "game/gameflow.h"
#include "game/players.h"
#include "game/quizscreen.h"
#include "platform/text.h"
#include "ui/mainwindow.h"

namespace testing_support {

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    alleFragen_ = AlleFragen;
    spieler_ = Spieler;
    AlleFragen.fill(nullptr);
    for (auto& s : Spieler) s = std::make_shared<SpielerTyp>();
    Jetzt = [this] { return now; };
    HauptCanvas = &canvas;
    Button[Mdi::BUT_REIHE_Z] = nullptr;
    FragenListeDatei.clear();
    ErlaubteFragen = 0;
    ListenPosition = 0;
    Modus = 1;
    Spielschritt = 0;
    SpielBereit = 0;
    FrageNr = 0;
    DieseFrage = nullptr;
    FesteFrage = 0;
    FragenZaehler = 0;
    AktuellesAlter = 10;
    FragenPunkte = 0;
    AntwortStatus = {};
    AnsageEnde = AnsageTon = AnimPhase = AnimZeit = AudioGeladen = 0;
    NeuMalen = 0;
    MalZeit = now + 30000;
    KeineFrage = 0;
    Abblenden = 0;
    SkalaX = SkalaY = Skala = 1.0f;
    BildLinks = 554;
    Spieler1(u"Anna", 10);
  }

  void TearDown() override {
    AlleFragen = alleFragen_;
    Spieler = spieler_;
    Jetzt = [] { return gui::Millisecs(); };
    HauptCanvas = nullptr;
    draw::SetTarget(nullptr);  // the fake canvas goes with the test
    Button[Mdi::BUT_REIHE_Z] = nullptr;
    FragenListeDatei.clear();
    ErlaubteFragen = 0;
    Modus = 0;
    Spielschritt = 0;
    SpielBereit = 0;
    DieseFrage = nullptr;
    FesteFrage = 0;
    KeineFrage = 0;
    NeuMalen = 1;
    MalZeit = 0;
  }

  static QuizPtr Frage(int nr, int loesung = 2, int problem = 10, int antworten = 3) {
    auto q = QuizType::Create();
    q->Frage = u"Wie viele Linien hat ein Notensystem?";
    q->Bereich = u"Noten";
    q->Problem = problem;
    q->Loesung = loesung;
    for (int i = 1; i <= antworten; ++i) {
      q->Antwort[i] = u"Antwort " + text::Num(i);
      q->Erklaerung[i] = u"Erklärung " + text::Num(i);
    }
    AlleFragen[nr] = q;
    return q;
  }

  static void Spieler1(const std::u16string& name, int alter) {
    Spieler[0]->Name = name;
    Spieler[0]->Alter = alter;
    SpielerAnzahl = 1;
  }

  // One game tick that is sure to be a game step, 50 ms after the last.
  void Tick() {
    now += 50;
    NeuMalen = 0;
    MalZeit = now + 30000;
    ZeitTakt();
  }
  // Ticks until the question is shown (step 3), at most 20 s of game time.
  void BisZurFrage() {
    for (int i = 0; i < 400 && Spielschritt != 3; ++i) Tick();
    ASSERT_EQ(3, Spielschritt);
  }

  int now = 100000;
  FakeCanvas canvas{1024, 768};

 private:
  std::array<QuizPtr, 1000> alleFragen_;
  std::array<SpielerPtr, 9> spieler_;
};

}  // namespace testing_support
