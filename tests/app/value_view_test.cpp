#include "app/value_view.h"

#include <gtest/gtest.h>

#include "app/controls.h"
#include "app/main_commands.h"
#include "app/scratch_window.h"
#include "card/columns.h"
#include "fake_view.h"
#include "hand_worked_race.h"
#include "oddsline/columns.h"

namespace kestravo {
namespace {

struct Horse {
  const char* race;
  const char* program;
  const char* morningLine;
  const char* kol;
  bool scratched = false;
};

CardMatrix raceOf(std::initializer_list<Horse> horses) {
  CardMatrix m;
  m.reset(static_cast<int>(horses.size()));
  int row = 0;
  for (const Horse& h : horses) {
    ++row;
    m.setText(row, field::kRaceNumber, h.race);
    m.setText(row, field::kPostPosition, std::to_string(row));
    m.setText(row, field::kProgramNumber, h.program);
    m.setText(row, field::kHorseName, std::string("HORSE ") + h.program);
    m.setText(row, field::kMorningLine, h.morningLine);
    m.setText(row, col::kKOL, h.kol);
    if (h.scratched) m.setText(row, col::kScratchMark, "S");
  }
  return m;
}

std::string cell(const ValueView& v, std::size_t horse, ValueColumn c) {
  return v.list.rows.at(horse).at(static_cast<std::size_t>(c));
}

TEST(ParseOdds, AcceptsTheWaysABoardIsRead) {
  EXPECT_EQ(parseOdds("5-2"), 2.5L);
  EXPECT_EQ(parseOdds("5/2"), 2.5L);
  EXPECT_EQ(parseOdds("2.5"), 2.5L);
  EXPECT_EQ(parseOdds("2.5-1"), 2.5L);
  EXPECT_EQ(parseOdds(" 9-5 "), 1.8L);
  EXPECT_EQ(parseOdds("EVEN"), 1.0L);
  EXPECT_EQ(parseOdds("evn"), 1.0L);
  EXPECT_EQ(parseOdds("99-1"), 99.0L);
}

TEST(ParseOdds, RefusesAnythingElseAndSaysWhy) {
  for (const char* text : {"", "abc", "5-", "-2", "5-0", "0", "0-1", "5--2", "5-2-1", "5,5", "1e3",
                           "+3", "EVENS", "5 - 2"}) {
    std::string error;
    EXPECT_FALSE(parseOdds(text, &error)) << text;
    EXPECT_NE(error.find(std::string("\"") + text + "\""), std::string::npos) << error;
    EXPECT_NE(error.find(kAcceptedOddsForms), std::string::npos) << error;
  }
}

TEST(ValueView, FairChanceAndEdgeAgainstTheMorningLine) {
  const CardMatrix m = raceOf({{"1", "1", "1.4", "1.4-1"},
                               {"1", "2", "5", "4.5-1"},
                               {"1", "3", "99", "100-1"},
                               {"1", "4", "4.5", "4.5-1"}});
  const ValueView v = valueView(m, " 1", {});
  ASSERT_EQ(v.list.rows.size(), 5u);
  EXPECT_EQ(v.rows, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(cell(v, 0, ValueColumn::kFair), "41.7");  // 100 / 2.4
  EXPECT_EQ(cell(v, 0, ValueColumn::kEdge), "   0");
  EXPECT_EQ(cell(v, 0, ValueColumn::kValue), "");
  EXPECT_EQ(cell(v, 1, ValueColumn::kFair), "18.2");
  EXPECT_EQ(cell(v, 1, ValueColumn::kML), " 5.0");
  EXPECT_EQ(cell(v, 1, ValueColumn::kEdge), "   9");  // 6 / 5.5
  EXPECT_EQ(cell(v, 1, ValueColumn::kValue), "OVERLAY");
  EXPECT_EQ(cell(v, 2, ValueColumn::kFair), " 1.0");  // 100 / 101
  EXPECT_EQ(cell(v, 2, ValueColumn::kEdge), "  -1");
  EXPECT_EQ(cell(v, 3, ValueColumn::kValue), "");  // offered equal to fair is no overlay
  EXPECT_EQ(cell(v, 3, ValueColumn::kLive), "");
  // The LINE row adds the fair chances as shown: 41.7 + 18.2 + 1.0 + 18.2.
  const TextRow& line = v.list.rows.back();
  EXPECT_EQ(line[0], "LINE");
  EXPECT_EQ(line[static_cast<std::size_t>(ValueColumn::kFair)], " 79.1");
  for (std::size_t c = 1; c < line.size(); ++c) {
    if (c != static_cast<std::size_t>(ValueColumn::kFair)) {
      EXPECT_EQ(line[c], "") << c;
    }
  }
}

TEST(ValueView, TypedOddsOverrideTheMorningLine) {
  const CardMatrix m =
      raceOf({{"1", "1", "0", "4-1"}, {"1", "2", "0", "4-1"}, {"1", "3", "3", "4-1"}});
  const ValueView v = valueView(m, "1", {{1, 9.0L}, {3, 1.5L}});
  // No morning line and nothing typed: no edge, no verdict.
  EXPECT_EQ(cell(v, 1, ValueColumn::kML), " 0.0");
  EXPECT_EQ(cell(v, 1, ValueColumn::kEdge), "");
  EXPECT_EQ(cell(v, 1, ValueColumn::kValue), "");
  // No morning line but typed: 9-1 against a fair 4-1 is double the payout.
  EXPECT_EQ(cell(v, 0, ValueColumn::kLive), " 9.0");
  EXPECT_EQ(cell(v, 0, ValueColumn::kEdge), " 100");
  EXPECT_EQ(cell(v, 0, ValueColumn::kValue), "OVERLAY");
  // Typed odds shorter than the morning line take its place.
  EXPECT_EQ(cell(v, 2, ValueColumn::kEdge), " -50");
  EXPECT_EQ(cell(v, 2, ValueColumn::kValue), "");
}

TEST(ValueView, OnlyTheRaceRunningHorsesInCardOrder) {
  const CardMatrix m = raceOf({{"1", "1", "2", "2-1"},
                               {"2", "1", "2", "2-1"},
                               {"2", "1A", "3", "3-1", true},
                               {"2", "3", "4", "100-1"},
                               {"x", "9", "4", "100-1"}});
  const ValueView v = valueView(m, " 2", {});
  EXPECT_EQ(v.rows, (std::vector<int>{2, 4}));
  EXPECT_EQ(rowOfProgram(m, "2", "3"), 4);
  EXPECT_EQ(rowOfProgram(m, "2", "1A"), 0);               // scratched
  EXPECT_EQ(rowOfProgram(m, "2", "9"), 0);                // in no race
  EXPECT_EQ(valueView(m, "0", {}).list.rows.size(), 1u);  // only the LINE row
}

std::vector<std::string> columnOf(const ValueView& v, ValueColumn c) {
  std::vector<std::string> out;
  for (const TextRow& row : v.list.rows) out.push_back(row.at(static_cast<std::size_t>(c)));
  return out;
}

using Texts = std::vector<std::string>;

// The window follows the race chosen and the scratches; typed odds hold until the next
// open. The hand-worked race is priced 4.5-1, 4.5-1, 10-1, 7-1 and 1.4-1, and with ECHO
// scratched 2-1, 2.5-1, 5-1 and 3-1. No horse has a morning line.
TEST(ValueCommands, FollowTheRaceTheScratchesAndTheTypedOdds) {
  testing::TempFolder dir;
  Card card;
  testing::FakeView view;
  MainCommands commands(card, view);
  view.chosen = dir.write("HAND.DRF", testing::handWorkedRace());
  commands.command(control::kOpenDataFile, notify::kClicked);
  EXPECT_TRUE(commands.command(control::kValue, notify::kClicked));
  EXPECT_EQ(view.valueWindowShows, 1);
  EXPECT_EQ(commands.valueView().list.rows,
            (std::vector<TextRow>{{"LINE", "", "", "", "  0.0", "", "", "", ""}}));
  EXPECT_EQ(commands.valueCaption(), "HAND.DRF   VALUE");
  view.selected = 0;
  const int changes = view.valueViewChanges;
  commands.command(control::kRacesList, notify::kDoubleClicked);
  EXPECT_EQ(view.valueViewChanges, changes + 1);
  EXPECT_EQ(commands.valueCaption(), "HAND.DRF   VALUE   R1");
  EXPECT_EQ(columnOf(commands.valueView(), ValueColumn::kFair),
            (Texts{"18.2", "18.2", " 9.1", "12.5", "41.7", " 99.7"}));
  EXPECT_EQ(columnOf(commands.valueView(), ValueColumn::kEdge), Texts(6, ""));

  EXPECT_EQ(commands.typeOdds(1, "5-1"), "");
  const std::string refusal = commands.typeOdds(1, "5-");
  EXPECT_EQ(refusal.rfind("\"5-\" ARE NOT ODDS", 0), 0u) << refusal;
  ValueView v = commands.valueView();
  EXPECT_EQ(cell(v, 0, ValueColumn::kLive), " 5.0");
  EXPECT_EQ(cell(v, 0, ValueColumn::kEdge), "   9");  // 6 / 5.5
  EXPECT_EQ(cell(v, 0, ValueColumn::kValue), "OVERLAY");

  view.inScratchWindow = [](ScratchWindow& w) { EXPECT_EQ(w.doubleClick(4), ""); };
  commands.command(control::kScratch, notify::kClicked);
  EXPECT_EQ(view.valueViewChanges, changes + 2);
  v = commands.valueView();
  EXPECT_EQ(columnOf(v, ValueColumn::kHorse), (Texts{"ALPHA", "BRAVO", "CHARLIE", "DELTA", ""}));
  EXPECT_EQ(columnOf(v, ValueColumn::kFair), (Texts{"33.3", "28.6", "16.7", "25.0", "103.6"}));
  EXPECT_EQ(cell(v, 0, ValueColumn::kEdge), " 100");  // 5-1 against a fair 2-1
  EXPECT_EQ(commands.typeOdds(1, "  "), "");          // taken back
  EXPECT_EQ(cell(commands.valueView(), 0, ValueColumn::kLive), "");

  EXPECT_EQ(commands.typeOdds(2, "9/2"), "");
  commands.command(control::kOpenDataFile, notify::kClicked);
  EXPECT_EQ(view.valueViewChanges, changes + 3);
  view.selected = 0;
  commands.command(control::kRacesList, notify::kDoubleClicked);
  EXPECT_EQ(columnOf(commands.valueView(), ValueColumn::kLive), Texts(5, ""));
}

}  // namespace
}  // namespace kestravo
