// Timing of the report window: a report of about a thousand lines, shaped like the
// past performances of a full race (a title in the large face, per horse an
// identification line in it and the rest in the small face, a dozen items a line at
// their columns, highlighted key-statistic rows), drawn through the canvas into a new
// window, which is then shown and painted off screen. Part of gui_bench, whose main
// sets up the application.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPointer>
#include <string>

#include "app/gui/report_windows.h"

namespace {

using kestravo::ReportCanvas;
using kestravo::ReportColour;
using kestravo::gui::ReportWindow;
using kestravo::gui::ReportWindows;

constexpr int kHorses = 14;
constexpr int kLinesPerHorse = 72;
constexpr int kColumns[] = {1, 6, 10, 15, 20, 25, 30, 40, 50, 60, 72, 77, 81, 86, 92, 96, 103};

// Counts the paints of the window's drawing surface, to be sure each one was painted.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

int drawReport(ReportCanvas& canvas) {
  const ReportColour black = ReportColour::rgb(0, 0, 0);
  canvas.open("KSV1208.DRF" + std::string(77, ' ') + "PAST PERFORMANCES", {1, 1, 69, 250});
  canvas.setFont({"Courier New", 14});
  canvas.setCanvas(2000, 20000);
  canvas.setColours(black, ReportColour::defaultBackground());
  canvas.print("RACE 5 6 FURLONGS CLAIMING $10,000 FOR THREE YEAR OLDS AND UPWARD");
  canvas.newLine();
  canvas.print(std::string(111, '-'));
  canvas.newLine();
  int lines = 2;
  for (int horse = 1; horse <= kHorses; ++horse) {
    canvas.setFont({"Courier New", 14});
    canvas.print(" " + std::to_string(horse % 10));
    canvas.tab(15);
    canvas.print("HORSE NUMBER " + std::to_string(horse));
    canvas.newLine();
    canvas.setFont({"Courier New", 9});
    for (int line = 1; line < kLinesPerHorse; ++line) {
      const bool highlighted = line % 12 == 0;
      canvas.setColours(ReportColour::defaultText(), highlighted
                                                         ? ReportColour::rgb(255, 255, 0)
                                                         : ReportColour::defaultBackground());
      for (int column : kColumns) {
        canvas.tab(column);
        canvas.print(std::to_string(column * 7 + line) + "-A");
      }
      canvas.newLine();
    }
    canvas.setColours(black, ReportColour::defaultBackground());
    lines += kLinesPerHorse;
  }
  return lines;
}

void BM_OpenReportWindow(benchmark::State& state) {
  const bool painted = state.range(0) != 0;
  ReportWindows windows;
  int lines = 0;
  long long paints = 0;
  for (auto _ : state) {
    lines = drawReport(windows);
    ReportWindow* window = windows.current();
    PaintCounter counter;
    window->widget()->installEventFilter(&counter);
    if (painted) QApplication::processEvents();
    state.PauseTiming();
    paints += counter.paints;
    if (painted && counter.paints == 0) return state.SkipWithError("the report was not painted");
    window->widget()->removeEventFilter(&counter);
    windows.closeCurrent();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  state.counters["lines"] = lines;
  state.counters["paints"] =
      benchmark::Counter(static_cast<double>(paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_OpenReportWindow)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
