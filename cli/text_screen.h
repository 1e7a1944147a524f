// The main window without a window: the desktop program's commands run on an opened card,
// their labels and lists kept as text and their reports drawn on a text grid, so the
// command line prints exactly what the window shows.
#pragma once

#include <ostream>

#include "app/main_screen.h"
#include "app/main_view.h"
#include "app/text_list.h"
#include "card/card.h"
#include "reports/text_grid.h"

namespace kestravo::cli {

class TextScreen : private MainView {
 public:
  // The card as an open leaves it: its races listed, no race chosen.
  explicit TextScreen(Card& card);

  // Double-clicks the line of race `race` in the races list.
  void chooseRace(int race);
  // Clicks the button of control `controlId`.
  void press(int controlId);
  // Types `text` as the live odds of card row `row` in the value window: "" when taken,
  // else why they were refused.
  std::string typeOdds(int row, std::string_view text);

  const MainScreen& screen() const { return screen_; }
  const TextGrid& reports() const { return reports_; }

 private:
  void setLabel(int, const std::string&) override {}
  void listChanged(int) override {}
  void setColumnWidths(int, const std::vector<int>&) override {}
  int selectedRow(int) const override { return selectedRow_; }
  std::string chooseDataFile() override { return card_.dataFilePath; }
  // The command line chooses with --card before the card opens.
  std::string chooseCardInArchive(const std::vector<std::string>&) override { return {}; }
  void showMessage(const std::string&, const std::string&) override {}
  ReportCanvas& reportCanvas() override { return reports_; }
  void closeReportWindow() override {}
  void runScratchWindow(ScratchWindow&) override {}
  void showValueWindow() override {}
  void valueViewChanged() override {}

  Card& card_;
  MainScreen screen_;
  TextGrid reports_;
  int selectedRow_ = -1;
};

// The titles, then one line per row, cells joined by tabs exactly as the list shows them.
void printList(std::ostream& out, const TextList& list);
// printList, or with `csv` the list as RFC 4180 comma-separated values, for spreadsheets.
void printTable(std::ostream& out, const TextList& list, bool csv);
// The last report opened, every line with its trailing blanks removed; nothing when none
// was opened.
void printReport(std::ostream& out, const TextGrid& reports);

}  // namespace kestravo::cli
