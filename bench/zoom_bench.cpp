// The cost of the zoom in the real main window: a beat of four snakes with
// its repaint, and a repaint of the whole client area, at zooms 1 to 4 in
// one run. Runs on the headless platform with a screen of 3840 x 2160, on
// which 4x fits, unless QT_QPA_PLATFORM names another platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "bench/four_snakes.h"
#include "shell/beat_timer.h"
#include "shell/main_form.h"
#include "shell/window_zoom.h"

namespace coilrun {
namespace {

// One window for every benchmark, as the zoom changes between them; made
// and closed while the application runs.
class ZoomedWindow {
 public:
  ZoomedWindow() {
    form_.show();
    window = this;
  }
  ~ZoomedWindow() {
    form_.close();
    window = nullptr;
  }

  static ZoomedWindow& At(int zoomValue) {
    window->zoom_.SetZoom(zoomValue);
    QCoreApplication::processEvents();
    return *window;
  }

  MainForm& form() { return form_; }
  BeatTimer& beat() { return *form_.findChild<BeatTimer*>(QStringLiteral("Timer")); }
  int shownZoom() const { return zoom_.zoom(); }
  WindowZoom& zoom() { return zoom_; }

 private:
  static inline ZoomedWindow* window = nullptr;

  QTemporaryDir dataDirectory_;
  MainForm form_{dataDirectory_.path(), QString()};
  WindowZoom& zoom_ = *form_.findChild<WindowZoom*>();
};

void Report(benchmark::State& state, const ZoomedWindow& window) {
  if (window.shownZoom() != state.range(0)) state.SkipWithError("the zoom does not fit the screen");
}

// The beat moves the snakes on the surfaces; the window then shows the
// change, scaled, on its backing store.
void BM_BeatOfFourSnakesShown(benchmark::State& state) {
  ZoomedWindow& window = ZoomedWindow::At(static_cast<int>(state.range(0)));
  Report(state, window);
  PlaceFourSnakes(const_cast<GameModel&>(window.form().model()));
  for (auto _ : state) {
    emit window.beat().timeout();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_BeatOfFourSnakesShown)
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Every part of the client shown afresh, as after a full redraw of the field
// and the report panel or a change of the frame colours. (A repaint of the
// client widget alone would not do: the parts' pixels wait in the window's
// backing store, and Qt copies them rather than repaint them.)
void BM_WholeClientRepaint(benchmark::State& state) {
  ZoomedWindow& window = ZoomedWindow::At(static_cast<int>(state.range(0)));
  Report(state, window);
  for (auto _ : state) {
    for (const char* part : {"BackShape", "PaintBox", "ReportShape", "ReportCanvas"})
      window.zoom().ShowChange(*window.form().findChild<QWidget*>(QLatin1String(part)));
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_WholeClientRepaint)
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace coilrun

int main(int argc, char** argv) {
  QTemporaryDir screens;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    const QString config = screens.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(R"({"screens": [{"name": "Big", "x": 0, "y": 0, "width": 3840, "height": 2160,)"
               R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
  }
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication application(argc, argv);
  const coilrun::ZoomedWindow window;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
