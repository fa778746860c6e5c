// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "game/game_fixture.h"

namespace {

using testing_support::FakeRadio;
using testing_support::GameTest;

using GameFlow = GameTest;

TEST_F(GameFlow, TickPaintsOrStepsNeverBoth) {
  Frage(200);
  NeuMalen = 1;
  ZeitTakt();  // paint dispatch only
  EXPECT_EQ(0, NeuMalen);
  EXPECT_EQ(0, SpielBereit);
  EXPECT_EQ(now + 30000, MalZeit);

  now += 50;
  ZeitTakt();  // game step
  EXPECT_EQ(1, SpielBereit);

  MalZeit = now - 1;  // the forced paint every 30 s takes a tick
  now += 50;
  ZeitTakt();
  EXPECT_EQ(0, Spielschritt);
  EXPECT_EQ(0, FragenZaehler);
  EXPECT_EQ(now + 30000, MalZeit);
}

TEST_F(GameFlow, NoGameStepOutsideTheGameModes) {
  Frage(200);
  for (int modus : {0, 2, 3, 5}) {
    Modus = modus;
    Tick();
    EXPECT_EQ(0, SpielBereit) << modus;
  }
}

TEST_F(GameFlow, FirstTickOnlyFocusesThenTheTurnStarts) {
  Frage(200);
  Tick();
  EXPECT_EQ(1, SpielBereit);
  EXPECT_EQ(0, Spielschritt);
  EXPECT_EQ(0, FragenZaehler);
  EXPECT_EQ(1, canvas.focus_calls);

  Tick();
  EXPECT_EQ(1, Spielschritt);
  EXPECT_EQ(1, FragenZaehler);
  EXPECT_EQ(200, FrageNr);
  EXPECT_EQ(2, canvas.focus_calls);
  EXPECT_EQ(now + 8000, AnsageEnde);
  EXPECT_EQ(10, FragenPunkte);
  EXPECT_EQ(0, AnsageTon);  // the announcement sound starts with the next tick
}

TEST_F(GameFlow, AnnouncementLastsEightSecondsThenTheQuestionIsRevealed) {
  auto q = Frage(200);
  Tick();
  Tick();
  const int start = now;
  Tick();
  EXPECT_EQ(1, AnsageTon);
  EXPECT_EQ(1, NeuMalen);  // first animation step
  while (now + 50 <= start + 4000) Tick();
  EXPECT_EQ(1, AnsageTon);
  Tick();
  EXPECT_EQ(2, AnsageTon);  // second half: the counter stops
  while (now + 50 <= start + 8000) Tick();
  EXPECT_EQ(1, Spielschritt);
  Tick();
  EXPECT_EQ(2, Spielschritt);
  EXPECT_EQ(nullptr, DieseFrage);
  Tick();
  EXPECT_EQ(3, Spielschritt);
  EXPECT_EQ(q, DieseFrage);
  EXPECT_EQ(0, AnsageTon);
}

TEST_F(GameFlow, CounterAdvancesEvery150Milliseconds) {
  Frage(200);
  Tick();
  Tick();
  std::vector<int> phasen;
  for (int i = 0; i < 12; ++i) {
    Tick();
    phasen.push_back(AnimPhase);
  }
  // 50 ms ticks: a step at the first tick, then at the first tick later than
  // 150 ms after the last step
  EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3}), phasen);
}

// One turn, driven by keys (k) and presses (p) in the answer rows.
struct Zug {
  const char* name;
  std::vector<std::pair<char, int>> eingaben;
  int schritt;              // step after the inputs and one more tick
  int punkte;
  std::array<int, 6> status;
};

class TurnTable : public GameTest, public ::testing::WithParamInterface<Zug> {};
// Cases print as their names, not as bytes.
void PrintTo(const Zug& z, std::ostream* os) { *os << z.name; }

int ZeileY(int antwort) { return 485 + 60 * (antwort - 1); }  // middle of answer row

TEST_P(TurnTable, Inputs) {
  const Zug& z = GetParam();
  Frage(200, /*loesung=*/2, /*problem=*/40, /*antworten=*/4);  // worth 20 for age 10
  BisZurFrage();
  for (auto [art, wert] : z.eingaben) {
    if (art == 'k') ScanTasten(wert, 1);
    if (art == 'u') ScanTasten(wert, 0);
    if (art == 'p') MausInBox(300, wert);
  }
  Tick();
  EXPECT_EQ(z.schritt, Spielschritt);
  EXPECT_EQ(z.punkte, Spieler[0]->Punkte);
  EXPECT_EQ(z.status, AntwortStatus);
}

INSTANTIATE_TEST_SUITE_P(
    GameFlow, TurnTable,
    ::testing::Values(
        Zug{"RightKey", {{'k', 50}}, 6, 20, {0, 0, 1, 0, 0, 0}},
        Zug{"TwoWrongTriesEndTheTurn", {{'k', 49}, {'k', 51}}, 6, 0, {0, -1, 0, -1, 0, 0}},
        Zug{"SameWrongTwice", {{'k', 49}, {'k', 49}}, 6, 0, {0, -1, 0, 0, 0, 0}},
        Zug{"RightOnSecondTryFullPoints", {{'k', 52}, {'k', 50}}, 6, 20, {0, 0, 1, 0, -1, 0}},
        Zug{"OneWrongLeavesTheSecondTry", {{'k', 51}}, 4, 0, {0, 0, 0, -1, 0, 0}},
        Zug{"NumericKeypadDoesNotAnswer", {{'k', 97}, {'k', 98}, {'k', 101}}, 3, 0, {}},
        Zug{"KeysOutsideOneToFive", {{'k', 48}, {'k', 54}, {'k', 13}}, 3, 0, {}},
        Zug{"KeyUpDoesNotAnswer", {{'u', 50}}, 3, 0, {}},
        Zug{"PressInRow", {{'p', ZeileY(2)}}, 6, 20, {0, 0, 1, 0, 0, 0}},
        Zug{"PressWrongRowThenRight", {{'p', ZeileY(1)}, {'p', ZeileY(2)}}, 6, 20, {0, -1, 1, 0, 0, 0}},
        Zug{"PressOnRowEdgeOrBetweenRows", {{'p', 468}, {'p', 503}, {'p', 510}, {'p', 0}}, 3, 0, {}},
        Zug{"AnswerThatIsNotShownCostsNoTry", {{'k', 53}, {'p', ZeileY(5)}}, 3, 0, {}},
        Zug{"NoInputAfterTheDecision", {{'k', 50}, {'k', 49}, {'p', ZeileY(1)}}, 6, 20, {0, 0, 1, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameFlow, PressCountsAnywhereAlongTheRowAndScalesWithTheCanvas) {
  Frage(200, 3);
  SkalaX = 0.5f;
  SkalaY = 1.5f;
  BisZurFrage();
  MausInBox(2000, static_cast<int>((468 + 120 + 10) * 1.5f));  // row 3, far right
  EXPECT_EQ(5, Spielschritt);
  EXPECT_EQ(1, AntwortStatus[3]);
}

TEST_F(GameFlow, AnyKeyContinuesInStepSixNoneInStepFive) {
  Frage(200);
  BisZurFrage();
  ScanTasten(50, 1);
  ASSERT_EQ(5, Spielschritt);
  ScanTasten(16, 1);  // a modifier in step 5 does nothing
  EXPECT_EQ(5, Spielschritt);
  Tick();
  ASSERT_EQ(6, Spielschritt);
  NeuMalen = 0;
  ScanTasten(16, 0);  // key-up does nothing
  EXPECT_EQ(6, Spielschritt);
  ScanTasten(16, 1);
  EXPECT_EQ(0, Spielschritt);
  EXPECT_EQ(1, NeuMalen);
}

TEST_F(GameFlow, PressInStepSixContinuesWithoutRepaint) {
  Frage(200);
  BisZurFrage();
  ScanTasten(50, 1);
  Tick();
  NeuMalen = 0;
  MausInBox(0, 0);
  EXPECT_EQ(0, Spielschritt);
  EXPECT_EQ(0, NeuMalen);
}

TEST_F(GameFlow, KeysOutsideAGameDoNotAnswer) {
  Frage(200);
  BisZurFrage();
  Modus = 3;  // left the test game for the editor while the question was shown
  ScanTasten(50, 1);
  MausInBox(300, ZeileY(2));
  EXPECT_EQ(3, Spielschritt);
  EXPECT_EQ(0, Spieler[0]->Punkte);
}

TEST_F(GameFlow, ThreePlayersRotateStartingWithThePlayerTwo) {
  for (int i = 0; i < 3; ++i) {
    Spieler[i]->Name = u"P" + text::Num(i + 1);
    Spieler[i]->Alter = 20 + i;
  }
  SpielerAnzahl = 3;
  Frage(200);
  Tick();  // focus only
  std::vector<int> alter;
  for (int turn = 0; turn < 4; ++turn) {
    BisZurFrage();
    alter.push_back(AktuellesAlter);
    ScanTasten(50, 1);  // right: the points go to the player whose turn it is
    Tick();
    ScanTasten(32, 1);
  }
  EXPECT_EQ((std::vector<int>{21, 22, 20, 21}), alter);
  EXPECT_EQ(FragenWert(10, 20), Spieler[0]->Punkte);
  EXPECT_EQ(2 * FragenWert(10, 21), Spieler[1]->Punkte);
  EXPECT_EQ(FragenWert(10, 22), Spieler[2]->Punkte);
}

TEST_F(GameFlow, RightAndWrongAnswersBlockTheQuestion) {
  auto q = Frage(200);
  BisZurFrage();
  ScanTasten(50, 1);
  EXPECT_GE(q->Heute, FragenZaehler + 21);
  EXPECT_LE(q->Heute, FragenZaehler + 40);
  Tick();
  ScanTasten(32, 1);
  q->Heute = 0;
  BisZurFrage();
  ScanTasten(49, 1);
  ScanTasten(51, 1);
  EXPECT_GE(q->Heute, FragenZaehler + 11);
  EXPECT_LE(q->Heute, FragenZaehler + 20);
}

TEST_F(GameFlow, TestGameAlwaysPlays999AndNeverBlocksIt) {
  Frage(200);
  auto q = Frage(999, 1);
  FesteFrage = 999;
  Modus = 4;
  Tick();
  const std::vector<std::vector<int>> tasten = {{49}, {50, 51}, {52, 49}};  // right; wrong twice; right second
  for (const auto& zug : tasten) {
    BisZurFrage();
    EXPECT_EQ(999, FrageNr);
    EXPECT_EQ(q, DieseFrage);
    for (int t : zug) ScanTasten(t, 1);
    Tick();
    ASSERT_EQ(6, Spielschritt);
    ScanTasten(32, 1);
  }
  EXPECT_EQ(0, q->Heute);
  EXPECT_EQ(2 * FragenPunkte, Spieler[0]->Punkte);
}

TEST_F(GameFlow, RandomSelectionNeverTakesZeroOr999AndSkipsBlocked) {
  for (int nr = 0; nr <= 999; ++nr) Frage(nr);
  for (int nr = 1; nr <= 500; ++nr) AlleFragen[nr]->Heute = 1000;  // blocked
  FragenZaehler = 5;
  std::set<int> gezogen;
  for (int i = 0; i < 3000; ++i) gezogen.insert(WaehleFrage());
  EXPECT_FALSE(gezogen.count(0));
  EXPECT_FALSE(gezogen.count(999));
  EXPECT_GT(*gezogen.begin(), 500);
  EXPECT_EQ(998, *gezogen.rbegin());
}

TEST_F(GameFlow, AllBlockedTakesTheQuestionWhoseBlockEndsFirst) {
  Frage(300)->Heute = 50;
  Frage(400)->Heute = 30;
  Frage(500, 0)->Heute = 0;    // no right answer
  Frage(600, 5)->Heute = 0;    // names an answer that is not shown
  FragenZaehler = 10;
  EXPECT_EQ(400, WaehleFrage());

  FragenListeDatei = u"x.lst";
  ErlaubteFragen = 3;
  ListenFragen[1] = 300;
  ListenFragen[2] = 500;
  ListenFragen[3] = 600;
  FakeRadio zufaellig;
  zufaellig.SetChecked(true);
  Button[Mdi::BUT_REIHE_Z] = &zufaellig;
  EXPECT_EQ(300, WaehleFrage());
}

TEST_F(GameFlow, ListInOrderWrapsAndTakesBlockedEntries) {
  Frage(300)->Heute = 999;
  Frage(400);
  Frage(500, 0);  // cannot be answered: passed over
  FragenListeDatei = u"x.lst";
  ErlaubteFragen = 3;
  ListenFragen[1] = 400;
  ListenFragen[2] = 500;
  ListenFragen[3] = 300;
  FakeRadio zufaellig;  // "der Reihe nach"
  Button[Mdi::BUT_REIHE_Z] = &zufaellig;
  std::vector<int> folge;
  for (int i = 0; i < 4; ++i) folge.push_back(WaehleFrage());
  EXPECT_EQ((std::vector<int>{400, 300, 400, 300}), folge);

  Button[Mdi::BUT_REIHE_Z] = nullptr;  // no radio button: list order as well
  EXPECT_EQ(400, WaehleFrage());
}

TEST_F(GameFlow, NextListQuestion) {
  ErlaubteFragen = 2;
  ListenFragen[1] = 7;
  ListenFragen[2] = 8;
  ListenPosition = 0;
  EXPECT_EQ(7, NaechsteListenFrage(0));
  EXPECT_EQ(8, NaechsteListenFrage(0));
  EXPECT_EQ(7, NaechsteListenFrage(0));
  for (int i = 0; i < 20; ++i) {
    int nr = NaechsteListenFrage(-1);
    EXPECT_TRUE(nr == 7 || nr == 8);
    EXPECT_TRUE(ListenPosition == 1 || ListenPosition == 2);
  }
  ErlaubteFragen = 0;
  EXPECT_EQ(0, NaechsteListenFrage(0));
  EXPECT_EQ(0, NaechsteListenFrage(-1));
  ErlaubteFragen = 5000;  // more than the list can hold
  EXPECT_LE(ListenPosition, 998);
  for (int i = 0; i < 50; ++i) {
    NaechsteListenFrage(-1);
    EXPECT_LE(ListenPosition, 998);
  }
}

struct OhneFrage {
  const char* name;
  bool liste;
  bool zufaellig;
};

class NoPlayableQuestion : public GameTest, public ::testing::WithParamInterface<OhneFrage> {};
void PrintTo(const OhneFrage& f, std::ostream* os) { *os << f.name; }

TEST_P(NoPlayableQuestion, GameStaysResponsiveAndWaits) {
  const OhneFrage& f = GetParam();
  FakeRadio radio;
  radio.SetChecked(f.zufaellig);
  Button[Mdi::BUT_REIHE_Z] = &radio;
  if (f.liste) {
    FragenListeDatei = u"leer.lst";
    ErlaubteFragen = 0;
  }
  Tick();
  Tick();
  EXPECT_EQ(1, KeineFrage);
  EXPECT_EQ(0, Spielschritt);
  EXPECT_EQ(0, FragenZaehler);
  EXPECT_EQ(1, NeuMalen);
  ZeitTakt();  // the message is painted
  EXPECT_EQ(0, NeuMalen);
  for (int i = 0; i < 100; ++i) Tick();
  EXPECT_EQ(0, Spielschritt);
  EXPECT_EQ(0, FragenZaehler);
  ScanTasten(50, 1);
  MausInBox(300, ZeileY(1));
  EXPECT_EQ(0, Spielschritt);

  // A new game (SpielBereit = 0) with a question available plays again.
  Frage(200);
  FragenListeDatei.clear();
  SpielBereit = 0;
  Tick();
  EXPECT_EQ(0, KeineFrage);
  Tick();
  EXPECT_EQ(1, Spielschritt);
  EXPECT_EQ(200, FrageNr);
}

INSTANTIATE_TEST_SUITE_P(GameFlow, NoPlayableQuestion,
                         ::testing::Values(OhneFrage{"EmptyCatalogue", false, false},
                                           OhneFrage{"EmptyListInOrder", true, false},
                                           OhneFrage{"EmptyListRandom", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameFlow, ListWithOnlyUnanswerableEntries) {
  Frage(300, 0);
  FragenListeDatei = u"x.lst";
  ErlaubteFragen = 2;
  ListenFragen[1] = 300;
  ListenFragen[2] = 12;  // no record at all
  for (bool zufaellig : {false, true}) {
    FakeRadio radio;
    radio.SetChecked(zufaellig);
    Button[Mdi::BUT_REIHE_Z] = &radio;
    EXPECT_EQ(0, WaehleFrage()) << zufaellig;
  }
  Button[Mdi::BUT_REIHE_Z] = nullptr;
}

TEST_F(GameFlow, EmptyTestGameSlotDoesNotCrash) {
  FesteFrage = 999;
  Modus = 4;
  BisZurFrage();
  EXPECT_EQ(nullptr, DieseFrage);
  ScanTasten(49, 1);  // there is no answer to choose
  ScanTasten(50, 1);
  Tick();
  EXPECT_EQ(3, Spielschritt);
  NeuMalen = 1;
  MaleQuiz();
  EXPECT_EQ(0, NeuMalen);
}

}  // namespace
