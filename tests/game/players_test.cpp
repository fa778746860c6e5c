// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/game_fixture.h"

namespace {

TEST(Scoring, WorthOfAQuestion) {
  struct Fall {
    int problem, alter, punkte;
  } faelle[] = {
      {10, 10, 10}, {40, 10, 20}, {90, 10, 30}, {10, 60, 4}, {25, 10, 15}, {5, 20, 5}, {80, 20, 20},
      {0, 10, 0},   {10, 0, 0},   {10, -3, 0},  {-4, 10, 0}, {100, 9, 33},
  };
  for (const Fall& f : faelle) EXPECT_EQ(f.punkte, FragenWert(f.problem, f.alter)) << f.problem << "/" << f.alter;
}

TEST(Scoring, DifficultyNameRelativeToTheAge) {
  struct Fall {
    int alter, problem;
    const char16_t* name;
  } faelle[] = {
      {10, 10, u"durchschnittlich"}, {10, 40, u"kniffelig"},   {10, 90, u"Unlösbar!!!"},
      {60, 10, u"Glücksfrage"},      {60, 19, u"Glücksfrage"}, {60, 20, u"Baby-leicht"},
      {60, 30, u"sehr einfach"},     {60, 40, u"Harmlos"},     {60, 59, u"Problemlos"},
      {10, 29, u"anstrengend"},      {10, 30, u"anspruchsvoll"}, {10, 59, u"Super-schwer"},
      {10, 60, u"Unlösbar!!!"},
  };
  const int vorher = AktuellesAlter;
  for (const Fall& f : faelle) {
    AktuellesAlter = f.alter;
    EXPECT_EQ(std::u16string(f.name), GradName(f.problem)) << f.alter << "/" << f.problem;
  }
  AktuellesAlter = vorher;
}

class Ranking : public testing_support::GameTest {};

TEST_F(Ranking, OrderOfTheExchangeSort) {
  struct Fall {
    std::array<int, 5> punkte;
    std::array<int, 5> rang;
  } faelle[] = {
      {{1, 1, 2, 0, 0}, {2, 1, 0, 3, 4}},
      {{30, 50, 0, 0, 0}, {1, 0, 2, 3, 4}},
      {{0, 0, 0, 0, 0}, {0, 1, 2, 3, 4}},
      {{5, 5, 5, 5, 5}, {0, 1, 2, 3, 4}},
      {{0, 0, 0, 0, 9}, {4, 1, 2, 3, 0}},  // looks at all five players
      {{1, 2, 3, 4, 5}, {4, 3, 2, 1, 0}},
  };
  for (const Fall& f : faelle) {
    for (int i = 0; i < 5; ++i) Spieler[i]->Punkte = f.punkte[i];
    std::array<int, 5> rang;
    for (int p = 0; p < 5; ++p) rang[p] = RangSpieler(p);
    EXPECT_EQ(f.rang, rang) << f.punkte[0] << f.punkte[1] << f.punkte[2] << f.punkte[3] << f.punkte[4];
  }
  for (int i = 0; i < 5; ++i) Spieler[i]->Punkte = 1;
  Spieler[2] = nullptr;  // a missing record counts as 0 points
  EXPECT_EQ(2, RangSpieler(4));
  EXPECT_EQ(0, RangSpieler(7));
}

TEST(Digits, Ziffer) {
  struct Fall {
    int zahl, stelle, ziffer;
  } faelle[] = {
      {7, 1, 7}, {7, 2, 0}, {7, 3, 0}, {123, 3, 1}, {123, 2, 2}, {123, 1, 3}, {998, 3, 9},
      {1234, 3, 2}, {0, 1, 0}, {5, 0, 0}, {5, -1, 0}, {2147483647, 10, 2}, {-45, 1, 5},
  };
  for (const Fall& f : faelle) EXPECT_EQ(f.ziffer, Ziffer(f.zahl, f.stelle)) << f.zahl << "/" << f.stelle;
}

}  // namespace
