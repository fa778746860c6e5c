// SPDX-License-Identifier: GPL-3.0-or-later
// Right-answer positions that cycle over neighbouring questions: which
// stretches count as a cycle and which do not.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "catalogue/fragencodec.h"

namespace {

struct Fall {
  const char* was;
  std::vector<int> position;
  std::vector<int> anzahl;  // one count for all questions when it has one entry
  std::vector<std::pair<size_t, size_t>> kreise;
  friend void PrintTo(const Fall& f, std::ostream* os) { *os << f.was; }
};

class LoesungsKreise : public ::testing::TestWithParam<Fall> {};

TEST_P(LoesungsKreise, FindsExactlyTheCycles) {
  const Fall& f = GetParam();
  std::vector<int> anzahl = f.anzahl;
  if (anzahl.size() == 1) anzahl.assign(f.position.size(), anzahl[0]);
  std::vector<std::pair<size_t, size_t>> gefunden;
  for (const auto& k : fragen::LoesungsKreise(f.position, anzahl)) gefunden.push_back({k.erster, k.letzter});
  EXPECT_EQ(f.kreise, gefunden);
}

INSTANTIATE_TEST_SUITE_P(
    Folgen, LoesungsKreise,
    ::testing::Values(
        Fall{"up_six_over_four", {1, 2, 3, 4, 1, 2}, {4}, {{0, 5}}},
        Fall{"down_six_over_four", {4, 3, 2, 1, 4, 3}, {4}, {{0, 5}}},
        Fall{"up_five_is_allowed", {1, 2, 3, 4, 1}, {4}, {}},
        Fall{"down_five_is_allowed", {2, 1, 4, 3, 2}, {4}, {}},
        Fall{"cycle_inside_a_longer_list", {3, 3, 1, 2, 3, 4, 1, 2, 3, 2, 2}, {4}, {{2, 8}}},
        Fall{"two_cycles_apart", {1, 2, 3, 4, 1, 2, 2, 4, 3, 2, 1, 4, 3}, {4}, {{0, 5}, {7, 12}}},
        Fall{"wrap_over_three_answers", {2, 3, 1, 2, 3, 1}, {3}, {{0, 5}}},
        // 4 -> 1 wraps only after a question with four answers, 3 -> 1 only after three
        Fall{"no_wrap_before_the_last_answer", {1, 2, 3, 1, 2, 3}, {4}, {}},
        Fall{"wrap_follows_each_questions_count", {1, 2, 3, 1, 2, 3, 4, 5}, {3, 3, 3, 5, 5, 5, 5, 5}, {{0, 7}}},
        Fall{"down_wraps_to_the_next_questions_last", {2, 1, 5, 4, 3, 2}, {4, 4, 5, 5, 5, 5}, {{0, 5}}},
        Fall{"two_answers_alternating", {1, 2, 1, 2, 1, 2}, {2}, {{0, 5}}},
        Fall{"a_repeat_breaks_the_run", {1, 2, 3, 3, 4, 1, 2}, {4}, {}},
        Fall{"a_turn_breaks_the_run", {1, 2, 3, 4, 3, 2, 1}, {4}, {}},
        Fall{"up_then_down_share_a_question", {1, 2, 3, 4, 1, 2, 1, 4, 3, 2, 1}, {4}, {{0, 5}, {5, 10}}},
        Fall{"empty_list", {}, {4}, {}},
        Fall{"unknown_loesung_breaks", {1, 2, 3, 0, 1, 2, 3}, {4}, {}}),
    [](const ::testing::TestParamInfo<Fall>& info) { return std::string(info.param.was); });

}  // namespace
