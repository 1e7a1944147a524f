// A main window that records what the commands do to it: labels, list changes, column
// widths, messages and closed report windows. Reports are drawn on a text grid.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/main_view.h"
#include "reports/text_grid.h"

namespace kestravo::testing {

class FakeView : public MainView {
 public:
  void setLabel(int id, const std::string& text) override { labels[id] = text; }
  void listChanged(int id) override { ++changes[id]; }
  void setColumnWidths(int id, const std::vector<int>& pixels) override { widths[id] = pixels; }
  int selectedRow(int) const override { return selected; }
  std::string chooseDataFile() override { return chosen; }
  std::string chooseCardInArchive(const std::vector<std::string>& names) override {
    offeredCards.push_back(names);
    return chosenInArchive;
  }
  void showMessage(const std::string& text, const std::string& caption) override {
    messages.push_back(caption + ": " + text);
  }
  ReportCanvas& reportCanvas() override { return reports; }
  void closeReportWindow() override { ++reportCloses; }
  void runScratchWindow(ScratchWindow& window) override {
    ++scratchRuns;
    if (inScratchWindow) inScratchWindow(window);
  }
  void showValueWindow() override { ++valueWindowShows; }
  void valueViewChanged() override { ++valueViewChanges; }

  std::map<int, std::string> labels;
  std::map<int, int> changes;
  std::map<int, std::vector<int>> widths;
  TextGrid reports;
  std::vector<std::string> messages;
  std::string chosen;
  std::vector<std::vector<std::string>> offeredCards;
  std::string chosenInArchive;
  int selected = -1;
  int reportCloses = 0;
  int scratchRuns = 0;
  int valueWindowShows = 0;
  int valueViewChanges = 0;
  std::function<void(ScratchWindow&)> inScratchWindow;
};

}  // namespace kestravo::testing
