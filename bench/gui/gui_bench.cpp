// Timings of the desktop program on the bundled sample card, through the real main window
// drawn off screen: (a) from the open command to the filled races list, (b) from a race
// line's double-click to the filled entries lists. With painted:1 each iteration also lets
// the window lay out and paint what changed, as the handicapper would see it; painted:0
// stops when the lists' models hold the rows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/controls.h"
#include "app/gui/dialog_template.h"
#include "app/gui/main_window.h"
#include "app/gui/qt_text.h"

namespace {

using kestravo::gui::controlName;
using kestravo::gui::MainWindow;
namespace control = kestravo::control;

// The sample card in a folder of its own, so the scratch file it makes lands there.
class SampleCopy {
 public:
  SampleCopy() {
    path_ = folder_.filePath(QStringLiteral("KSV1208.DRF"));
    ok_ = folder_.isValid() &&
          QFile::copy(QStringLiteral(KESTRAVO_SOURCE_DIR "/samples/KSV1208.DRF"), path_);
  }
  bool ok() const { return ok_; }
  std::string path() const { return kestravo::gui::pathBytes(path_); }

 private:
  QTemporaryDir folder_;
  QString path_;
  bool ok_ = false;
};

struct Window {
  explicit Window(const SampleCopy& sample) {
    window.setFileChooser([path = sample.path()] { return path; });
    window.show();
    QApplication::processEvents();
    open = window.findChild<QPushButton*>(controlName(control::kOpenDataFile));
    races = window.findChild<QListView*>(controlName(control::kRacesList));
  }
  void openCard(bool painted) {
    open->click();
    if (painted) QApplication::processEvents();
  }
  int raceLines() const { return races->model()->rowCount(); }
  int entries() const {
    return static_cast<int>(window.commands().list(control::kEntriesList).rows.size());
  }

  MainWindow window;
  QPushButton* open = nullptr;
  QListView* races = nullptr;
};

void doubleClick(QListView* view, int row) {
  const QRect line = view->visualRect(view->model()->index(row, 0));
  QWidget* area = view->viewport();
  QTest::mouseClick(area, Qt::LeftButton, {}, line.center());
  QTest::mouseDClick(area, Qt::LeftButton, {}, line.center());
  QTest::mouseRelease(area, Qt::LeftButton, {}, line.center());
}

void BM_OpenToRacesList(benchmark::State& state) {
  const SampleCopy sample;
  if (!sample.ok()) return state.SkipWithError("samples/KSV1208.DRF cannot be copied");
  Window w(sample);
  const bool painted = state.range(0) != 0;
  for (auto _ : state) {
    w.openCard(painted);
    if (w.raceLines() == 0) return state.SkipWithError("the sample card shows no races");
  }
  state.counters["races"] = w.raceLines();
}
BENCHMARK(BM_OpenToRacesList)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RaceDoubleClickToEntries(benchmark::State& state) {
  const SampleCopy sample;
  if (!sample.ok()) return state.SkipWithError("samples/KSV1208.DRF cannot be copied");
  Window w(sample);
  w.openCard(true);
  const bool painted = state.range(0) != 0;
  const int races = w.raceLines();
  if (races == 0) return state.SkipWithError("the sample card shows no races");
  QApplication::processEvents();
  int race = 0;
  long long rows = 0;
  for (auto _ : state) {
    doubleClick(w.races, race);
    if (painted) QApplication::processEvents();
    if (w.entries() == 0) return state.SkipWithError("a race line showed no entries");
    rows += w.entries();
    race = (race + 1) % races;
  }
  state.counters["entries"] =
      benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RaceDoubleClickToEntries)
    ->ArgName("painted")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  QApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
