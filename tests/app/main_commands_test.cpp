#include "app/main_commands.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "app/controls.h"
#include "app/scratch_window.h"
#include "card/columns.h"
#include "card/data_file.h"
#include "card/file_io.h"
#include "fake_view.h"
#include "oddsline/columns.h"
#include "support/card_builder.h"
#include "support/zip_maker.h"

namespace kestravo {
namespace {

using testing::CardBuilder;
using testing::FakeView;
using testing::readFile;
using testing::TempFolder;

// Two races; race 2's second entry carries a hand-edited scratch mark later on.
std::string twoRaceCard() {
  CardBuilder b;
  const char* speeds[] = {"80", "95", "70", "88"};
  for (int post = 1; post <= 4; ++post) {
    b.entry(1, post, "R1 HORSE " + std::to_string(post))
        .set(field::kProgramNumber, std::to_string(post))
        .set(field::kPastSpeed.race(1), speeds[post - 1])
        .set(field::kPrime, std::to_string(100 - post));
  }
  b.entry(2, 1, "R2 FIRST").entry(2, 2, "R2 SECOND");
  return b.text();
}

class MainCommandsTest : public ::testing::Test {
 protected:
  void open(const std::string& name, const std::string& text) {
    view.chosen = dir.write(name, text);
    ASSERT_TRUE(commands.command(control::kOpenDataFile, notify::kClicked));
  }
  void chooseRace(int index) {
    view.selected = index;
    ASSERT_TRUE(commands.command(control::kRacesList, notify::kDoubleClicked));
  }
  // The cells of one column of a list, top to bottom.
  std::vector<std::string> cells(int listId, std::size_t column) const {
    std::vector<std::string> out;
    for (const TextRow& r : commands.list(listId).rows) out.push_back(r[column]);
    return out;
  }
  std::vector<std::string> shownHorses() const { return cells(control::kEntriesList, 3); }

  TempFolder dir;
  Card card;
  FakeView view;
  MainCommands commands{card, view};
};

TEST_F(MainCommandsTest, OpenFillsTheRacesListAndShowsTheShortName) {
  open("KSV1208.DRF", twoRaceCard());
  ASSERT_EQ(commands.races().size(), 2u);
  EXPECT_EQ(commands.races()[0].substr(0, 2), " 1");
  EXPECT_EQ(commands.races()[1].substr(0, 2), " 2");
  EXPECT_EQ(view.labels[control::kFileLabel], "KSV1208.DRF");
  EXPECT_EQ(view.labels[control::kRaceLabel], "");
  EXPECT_EQ(view.labels[control::kViewLabel], "OPEN A DATA FILE");
  EXPECT_EQ(commands.selectedRace(), "0");
  EXPECT_EQ(commands.dataFilePath(), view.chosen);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(view.reportCloses, 1);
}

TEST_F(MainCommandsTest, CancelledOpenAfterACardLeavesAnEmptyCard) {
  open("KSV1208.DRF", twoRaceCard());
  chooseRace(0);
  view.chosen = "";
  ASSERT_TRUE(commands.command(control::kOpenDataFile, notify::kPushed));
  EXPECT_EQ(view.messages, (std::vector<std::string>{"KESTRAVO ODDS LINE: LOAD A DATA FILE"}));
  EXPECT_TRUE(commands.races().empty());
  EXPECT_TRUE(commands.list(control::kEntriesList).rows.empty());
  EXPECT_TRUE(commands.list(control::kRaceDetailList).rows.empty());
  EXPECT_EQ(view.labels[control::kFileLabel], "");
  EXPECT_EQ(card.entryCount(), 0);
}

TEST_F(MainCommandsTest, AnUnreadableFileIsTold) {
  view.chosen = dir.file("MISSING.DRF");
  commands.command(control::kOpenDataFile, notify::kClicked);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0], "KESTRAVO ODDS LINE: CANNOT OPEN THE DATA FILE " + view.chosen);
  EXPECT_TRUE(commands.races().empty());
}

TEST_F(MainCommandsTest, ChoosingARaceListsItsRunnersInFileOrder) {
  open("KSV1208.DRF", twoRaceCard());
  chooseRace(0);
  EXPECT_EQ(commands.selectedRace(), " 1");
  EXPECT_EQ(view.labels[control::kRaceLabel], "R1");
  EXPECT_EQ(view.labels[control::kViewLabel], "RACE VIEW");
  EXPECT_EQ(shownHorses(),
            (std::vector<std::string>{"R1 HORSE 1", "R1 HORSE 2", "R1 HORSE 3", "R1 HORSE 4"}));
  EXPECT_EQ(commands.listRowCount(), 4);
  ASSERT_EQ(commands.list(control::kRaceDetailList).rows.size(), 4u);
  EXPECT_EQ(commands.list(control::kRaceDetailList).rows[2][3], "R1 HORSE 3");
  EXPECT_EQ(commands.list(control::kEntriesList).titles[9], "KOL");
}

TEST_F(MainCommandsTest, ARaceWhoseEntriesAreAllScratchedShowsNoRows) {
  const std::string path = dir.write("KSV1208.DRF", twoRaceCard());
  std::string marks;
  for (const char* mark : {"", "", "", "", "S", "S"}) {
    marks += "\"\",\"\",\"\",\"\",\"\",\"\",\"" + std::string(mark) + "\"\r\n";
  }
  dir.write("KSV1208.tch", marks);
  view.chosen = path;
  commands.command(control::kOpenDataFile, notify::kClicked);
  chooseRace(1);
  EXPECT_TRUE(shownHorses().empty());
  EXPECT_TRUE(commands.list(control::kRaceDetailList).rows.empty());
  EXPECT_EQ(view.labels[control::kRaceLabel], "R2");
  EXPECT_EQ(commands.listRowCount(), 0);
}

TEST_F(MainCommandsTest, ARaceWithNoEntriesListsNoEntryOfNoRace) {
  open("GAP.DRF",
       CardBuilder().entry(1, 1, "ONE").entry(0, 1, "NO RACE").entry(3, 1, "THREE").text());
  ASSERT_EQ(commands.races().size(), 3u);
  EXPECT_EQ(commands.races()[1], "");
  chooseRace(1);
  EXPECT_TRUE(shownHorses().empty());
  chooseRace(2);
  EXPECT_EQ(shownHorses(), (std::vector<std::string>{"THREE"}));
}

TEST_F(MainCommandsTest, EachCommandAcceptsOnlyItsNotificationCodes) {
  open("KSV1208.DRF", twoRaceCard());
  view.selected = 0;
  EXPECT_FALSE(commands.command(control::kRacesList, notify::kClicked));
  EXPECT_FALSE(commands.command(control::kRacesList, notify::kPushed));
  EXPECT_TRUE(shownHorses().empty());
  EXPECT_FALSE(commands.command(control::kOpenDataFile, notify::kDoubleClicked));
  EXPECT_FALSE(commands.command(control::kScratch, notify::kPushed));
  EXPECT_EQ(view.scratchRuns, 0);
  EXPECT_FALSE(commands.command(4242, notify::kClicked));
}

TEST_F(MainCommandsTest, OneSortToggleServesEveryColumn) {
  open("KSV1208.DRF", twoRaceCard());
  chooseRace(0);
  const auto srlr = [&] { return cells(control::kEntriesList, 4); };
  commands.columnClicked(control::kEntriesList, 4);
  EXPECT_EQ(srlr(), (std::vector<std::string>{" 70", " 80", " 88", " 95"}));
  commands.columnClicked(control::kEntriesList, 4);
  EXPECT_EQ(srlr(), (std::vector<std::string>{" 95", " 88", " 80", " 70"}));
  // The next click on another title sorts ascending again: the toggle is shared.
  commands.columnClicked(control::kEntriesList, 6);
  EXPECT_EQ(shownHorses(),
            (std::vector<std::string>{"R1 HORSE 4", "R1 HORSE 3", "R1 HORSE 2", "R1 HORSE 1"}));
  commands.columnClicked(control::kEntriesList, 6);
  EXPECT_EQ(commands.sortToggle(), 0);
  EXPECT_EQ(shownHorses().front(), "R1 HORSE 1");
}

TEST_F(MainCommandsTest, TheRaceDetailListFollowsTheSortRowForRow) {
  open("KSV1208.DRF", twoRaceCard());
  chooseRace(0);
  const auto detailHorses = [&] { return cells(control::kRaceDetailList, 3); };
  for (int column : {4, 6, 9, 3}) {
    commands.columnClicked(control::kEntriesList, column);
    EXPECT_EQ(detailHorses(), shownHorses()) << column;
  }
  commands.columnClicked(control::kEntriesList, 4);
  EXPECT_EQ(detailHorses(),
            (std::vector<std::string>{"R1 HORSE 3", "R1 HORSE 1", "R1 HORSE 4", "R1 HORSE 2"}));
}

TEST_F(MainCommandsTest, KOLSortsByThePriceBeforeTheDash) {
  open("KSV1208.DRF", twoRaceCard());
  chooseRace(0);
  commands.columnClicked(control::kEntriesList, 9);
  std::vector<long double> prices;
  for (const TextRow& r : commands.list(control::kEntriesList).rows) {
    prices.push_back(std::stold(r[9]));
  }
  EXPECT_TRUE(std::is_sorted(prices.begin(), prices.end()));
}

// An archive asks only when it holds several cards; cancelling the question is cancelling
// the open. FileLabel names the card, then the archive.
TEST_F(MainCommandsTest, AnArchiveOfSeveralCardsAsksWhichToOpen) {
  const std::string oneRace = CardBuilder().entry(1, 1, "ONLY").text();
  const std::string week = dir.file("week.zip");
  ASSERT_TRUE(
      testing::writeZip(week, {{"SAR0812.DRF", twoRaceCard()}, {"x/SAR0813.drf", oneRace}}));
  view.chosen = week;
  view.chosenInArchive = "x/SAR0813.drf";
  commands.command(control::kOpenDataFile, notify::kClicked);
  EXPECT_EQ(view.offeredCards,
            (std::vector<std::vector<std::string>>{{"SAR0812.DRF", "x/SAR0813.drf"}}));
  EXPECT_EQ(commands.races().size(), 1u);
  EXPECT_EQ(view.labels[control::kFileLabel], "SAR0813.drf (week.zip)");
  EXPECT_TRUE(view.messages.empty());

  view.chosenInArchive = "";
  commands.command(control::kOpenDataFile, notify::kClicked);
  EXPECT_EQ(view.messages, (std::vector<std::string>{"KESTRAVO ODDS LINE: LOAD A DATA FILE"}));
  EXPECT_TRUE(commands.races().empty());
  EXPECT_EQ(view.labels[control::kFileLabel], "");
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"SAR0813.tch", "week.zip"}));

  const std::string single = dir.file("ONE.ZIP");
  ASSERT_TRUE(testing::writeZip(single, {{"SAR0812.DRF", twoRaceCard()}}));
  view.offeredCards.clear();
  view.chosen = single;
  commands.command(control::kOpenDataFile, notify::kClicked);
  EXPECT_TRUE(view.offeredCards.empty());
  EXPECT_EQ(view.labels[control::kFileLabel], "SAR0812.DRF (ONE.ZIP)");
  open("KSV1208.DRF", twoRaceCard());
  EXPECT_EQ(view.labels[control::kFileLabel], "KSV1208.DRF");
  EXPECT_EQ(card.archiveMember, "");
}

TEST(ShortName, TheNameWithoutItsFolder) {
  EXPECT_EQ(shortNameOf("/home/cards/SAR0812.DRF"), "SAR0812.DRF");
  EXPECT_EQ(shortNameOf("/home/cards/SAR0812_SCR.DRF"), "SAR0812_SCR.DRF");
  EXPECT_EQ(shortNameOf("/home/cards/LONGERNAME.DRF"), "LONGERNAME.DRF");
  EXPECT_EQ(shortNameOf("/a.b/c"), "c");
  EXPECT_EQ(shortNameOf("C:\\cards\\SAR0812.DRF"), "SAR0812.DRF");
  EXPECT_EQ(shortNameOf("A.DRF"), "A.DRF");
  EXPECT_EQ(shortNameOf(""), "");
}

TEST_F(MainCommandsTest, ScratchingRecomputesAndRefillsBothLists) {
  open("KSV1208.DRF", twoRaceCard());
  chooseRace(0);
  view.inScratchWindow = [](ScratchWindow& w) {
    ASSERT_EQ(w.list().rows.size(), 6u);
    EXPECT_EQ(w.list().titles, (std::vector<std::string>{"RACE", "PP", "PR", "HORSE", "SCRATCH"}));
    EXPECT_EQ(w.doubleClick(1), "");  // race 1, post 2: the 95 horse
    EXPECT_EQ(w.list().rows[1][4], "S");
  };
  const std::vector<std::string> lines = card.raceLine;
  ASSERT_TRUE(commands.command(control::kScratch, notify::kClicked));
  EXPECT_EQ(view.labels[control::kViewLabel], "SCRATCH WINDOW");
  // The recomputation keeps the conditions lines built at the open.
  EXPECT_EQ(card.raceLine, lines);
  EXPECT_FALSE(card.raceLine[1].empty());
  EXPECT_EQ(shownHorses(), (std::vector<std::string>{"R1 HORSE 1", "R1 HORSE 3", "R1 HORSE 4"}));
  EXPECT_EQ(commands.list(control::kRaceDetailList).rows.size(), 3u);
  EXPECT_EQ(commands.listRowCount(), 3);
  EXPECT_TRUE(card.matrix.scratched(2));
  // The 88 horse now tops SRLR.
  EXPECT_EQ(card.matrix.text(4, col::kSRLRRank), " 1");
}

TEST_F(MainCommandsTest, ClosingTheScratchWindowRecomputesEvenWithoutAFlip) {
  open("KSV1208.DRF", twoRaceCard());
  chooseRace(1);
  card.matrix.setText(1, col::kKOL, "stale");
  commands.command(control::kScratch, notify::kClicked);
  EXPECT_NE(card.matrix.text(1, col::kKOL), "stale");
  EXPECT_EQ(shownHorses(), (std::vector<std::string>{"R2 FIRST", "R2 SECOND"}));
}

TEST_F(MainCommandsTest, ScratchesSurviveAReopen) {
  open("KSV1208.DRF", twoRaceCard());
  view.inScratchWindow = [](ScratchWindow& w) { w.doubleClick(0); };
  commands.command(control::kScratch, notify::kClicked);
  view.inScratchWindow = nullptr;
  Card fresh;
  FakeView other;
  MainCommands again(fresh, other);
  other.chosen = view.chosen;
  again.command(control::kOpenDataFile, notify::kClicked);
  other.selected = 0;
  again.command(control::kRacesList, notify::kDoubleClicked);
  ASSERT_FALSE(again.list(control::kEntriesList).rows.empty());
  EXPECT_EQ(again.list(control::kEntriesList).rows[0][3], "R1 HORSE 2");
}

TEST(ScratchWindowLogic, FlipsEveryRowOfTheRaceAndPostAndLeavesOddMarksAlone) {
  TempFolder dir;
  Card card;
  card.dataFilePath = dir.write("K.DRF", CardBuilder()
                                             .entry(1, 1, "A")
                                             .entry(1, 1, "A AGAIN")
                                             .entry(1, 2, "B")
                                             .entry(1, 3, "C")
                                             .text());
  card.scratchFileName = dir.file("K.tch");
  card.scratchTable.reset(4);
  for (int h = 1; h <= 4; ++h) {
    card.scratchTable.setField(h, scratch::kRaceNumber, "1");
    card.scratchTable.setField(h, scratch::kPostPosition, h <= 2 ? "1" : std::to_string(h - 1));
  }
  card.scratchTable.setField(4, scratch::kMark, "x");
  ScratchWindow w(card);
  EXPECT_EQ(w.list().rows[0], (TextRow{" 1", " 1", "", "", ""}));
  w.doubleClick(1);
  EXPECT_EQ(card.scratchTable.field(1, scratch::kMark), "S");
  EXPECT_EQ(card.scratchTable.field(2, scratch::kMark), "S");
  EXPECT_EQ(w.list().rows[0][4], "S");
  const std::string once = readFile(card.scratchFileName);
  w.doubleClick(3);
  EXPECT_EQ(card.scratchTable.field(4, scratch::kMark), "x");
  w.doubleClick(0);
  EXPECT_EQ(card.scratchTable.field(1, scratch::kMark), "");
  EXPECT_EQ(card.scratchTable.field(2, scratch::kMark), "");
  w.doubleClick(0);
  EXPECT_EQ(readFile(card.scratchFileName), once);
  // No selection matches nothing but still rewrites the file.
  w.doubleClick(-1);
  EXPECT_EQ(readFile(card.scratchFileName), once);
}

// A card of race 1 with posts 1 and 2 and race 2 with post 1, opened so its scratch file is
// made beside it.
Card openedCard(const TempFolder& dir) {
  Card card;
  card.dataFilePath =
      dir.write("K.DRF", CardBuilder().entry(1, 1, "A").entry(1, 2, "B").entry(2, 1, "C").text());
  readDataFile(card);
  return card;
}

const std::string kUndone =
    "NOT SAVED - THE MARK IS BACK AS IT WAS. CANNOT WRITE THE SCRATCH FILE ";

// The flip that could not be saved is undone on screen and in the table.
void expectUndone(ScratchWindow& w, const Card& card, const std::string& told) {
  EXPECT_EQ(told.substr(0, kUndone.size() + card.scratchFileName.size() + 2),
            kUndone + card.scratchFileName + ": ");
  EXPECT_GT(told.size(), kUndone.size() + card.scratchFileName.size() + 2) << "no reason given";
  EXPECT_EQ(w.list().rows[1][4], "");
  EXPECT_EQ(card.scratchTable.field(2, scratch::kMark), "");
}

TEST(ScratchWindowLogic, AFlipThatCannotBeSavedIsUndoneAndTold) {
  TempFolder dir;
  Card card = openedCard(dir);
  const std::string before = readFile(card.scratchFileName);
  ScratchWindow w(card);
  {
    InjectedSaveFault full([](SaveStep step) { return step == SaveStep::kWrite ? ENOSPC : 0; });
    const std::string told = w.doubleClick(1);
    expectUndone(w, card, told);
    EXPECT_NE(told.find("NO SPACE LEFT ON DEVICE"), std::string::npos) << told;
  }
  EXPECT_EQ(readFile(card.scratchFileName), before);
  // A folder that nobody, not even the administrator, can write into.
  card.scratchFileName = "/proc/K.tch";
  expectUndone(w, card, w.doubleClick(1));
  // Nothing flipped, nothing undone: the message only says the file was not written.
  EXPECT_EQ(w.doubleClick(-1).substr(0, 30), "CANNOT WRITE THE SCRATCH FILE ");
}

TEST(ScratchWindowLogic, AFlipInAReadOnlyFolderIsUndoneAndTold) {
  TempFolder dir;
  Card card = openedCard(dir);
  std::filesystem::permissions(
      dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const bool writable = std::ofstream(dir.file("probe")).good();
  std::filesystem::remove(dir.file("probe"));
  if (writable) {
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    GTEST_SKIP() << "this user writes into read-only folders (the administrator does)";
  }
  ScratchWindow w(card);
  const std::string told = w.doubleClick(1);
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
  expectUndone(w, card, told);
  EXPECT_NE(told.find("PERMISSION DENIED"), std::string::npos) << told;
}

TEST(ScratchWindowLogic, AnUnreadableScratchFileRefusesFlipsAndIsLeftAsItIs) {
  TempFolder dir;
  Card card;
  card.dataFilePath = dir.write("K.DRF", CardBuilder().entry(1, 1, "A").entry(1, 2, "B").text());
  // Marks that this load cannot see, behind a size no scratch file may have.
  std::string marks = "\"\",\"\",\"1\",\"1\",\"\",\"A\",\"S\"\r\n";
  marks.resize(kMaxDataFileBytes + 1, ' ');
  const std::string path = dir.write("K.tch", marks);
  readDataFile(card);
  ASSERT_FALSE(card.scratchFileRead);
  ScratchWindow w(card);
  EXPECT_EQ(w.list().rows[1], (TextRow{" 1", " 2", "", "B", ""}));
  const std::string refusal = "THE SCRATCH FILE " + path +
                              " CANNOT BE READ, SO NO HORSE CAN BE SCRATCHED OR UNSCRATCHED: "
                              "SAVING WOULD REPLACE THE MARKS IT HOLDS. IT IS LEFT AS IT IS.";
  EXPECT_EQ(w.refusal(), refusal);
  EXPECT_EQ(w.doubleClick(0), refusal);
  EXPECT_EQ(w.doubleClick(-1), refusal);
  EXPECT_EQ(w.list().rows[0][4], "");
  EXPECT_EQ(card.scratchTable.field(1, scratch::kMark), "");
  EXPECT_TRUE(readFile(path) == marks) << "the scratch file was changed";
}

TEST(ScratchWindowLogic, OpensAtTheFirstEntryOfTheRaceShown) {
  TempFolder dir;
  Card card = openedCard(dir);
  EXPECT_EQ(ScratchWindow(card, " 2").startRow(), 2);
  EXPECT_EQ(ScratchWindow(card, " 1").startRow(), 0);
  EXPECT_EQ(ScratchWindow(card, "0").startRow(), -1);
  EXPECT_EQ(ScratchWindow(card, " 3").startRow(), -1);
}

}  // namespace
}  // namespace kestravo
