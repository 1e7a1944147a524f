// What the GUI tests share: finding controls by id, acting on a modal window once it is
// up, reading a list the way it is shown, and the sample card in a folder of its own.
#pragma once

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/gui/dialog_template.h"
#include "app/text_list.h"
#include "card/card.h"
#include "support/card_builder.h"

namespace kestravo::testing {

template <typename Control>
Control* control(const QWidget* window, int id) {
  return window->findChild<Control*>(gui::controlName(id));
}

// Runs `act` on the modal window of type Window as soon as it is the active modal widget
// (checked every few milliseconds while the caller's modal loop runs).
template <typename Window>
void whenModal(std::function<void(Window*)> act) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
    if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(window);
    }
  });
  timer->start(5);
}

// Every cell's display text, row by row, as card bytes.
std::vector<TextRow> shownRows(const QAbstractItemModel& model);
std::vector<std::string> shownTitles(const QAbstractItemModel& model);
std::vector<std::string> shownColumn(const QAbstractItemModel& model, int column);

// A double-click as the window system delivers it: a click, then a second press that is
// the double-click, then its release.
void doubleClickAt(QWidget* widget, QPoint at);
// Double-clicks row `row` of `view`.
void doubleClickRow(QAbstractItemView* view, int row);
void clickRow(QAbstractItemView* view, int row);

// Checks that every column title of `titles` stands whole in its column.
void expectTitlesWhole(const QHeaderView& titles);

// Collects what a model tester reports (warnings and worse) instead of letting it pass
// unseen, while it lives.
class TesterFailures {
 public:
  TesterFailures() {
    messages().clear();
    previous_ = qInstallMessageHandler(&TesterFailures::record);
  }
  ~TesterFailures() { qInstallMessageHandler(previous_); }
  TesterFailures(const TesterFailures&) = delete;
  TesterFailures& operator=(const TesterFailures&) = delete;
  static std::vector<std::string>& messages();

 private:
  static void record(QtMsgType type, const QMessageLogContext&, const QString& text);
  QtMessageHandler previous_;
};

// A push button's caption as one line, however the button breaks it.
std::string captionOf(const QWidget* button);

// The bundled sample card, copied into a fresh folder so its scratch file lands there.
class SampleCard {
 public:
  SampleCard();
  const std::string& path() const { return path_; }
  const TempFolder& folder() const { return folder_; }

  // The card as a fresh load computes it from the files now on disk.
  Card load() const;

 private:
  TempFolder folder_;
  std::string path_;
};

// The EntriesList or RaceDetailList rows of race `race` (the races-list text) on `card`.
std::vector<TextRow> raceEntryRows(const Card& card, const std::string& race);
std::vector<TextRow> raceDetailRows(const Card& card, const std::string& race);

}  // namespace kestravo::testing
