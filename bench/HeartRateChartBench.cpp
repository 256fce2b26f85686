// The heart-rate chart on a 24-hour recording at one sample per second
// (86,400 samples): a full repaint at the import dialog's default and a large
// size, and a marker moved by the arrow key or dragged by the mouse.
#include <benchmark/benchmark.h>

#ifdef KADENZO_HAS_RECORDING_UI
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

#include "BenchFiles.h"
#include "BenchGui.h"
#include "HeartRateChart.h"

namespace kadenzo {
namespace {

using bench::kDaySeconds;

// A day of riding: heart rate, cadence, altitude and power in slow waves
// with a little noise, and a distance that stands still for five minutes
// every hour. As noise, every value jumps across its whole range from one
// second to the next, so each pixel column of every curve is a full-height
// stroke: the most a day can cost to draw.
CRecording MakeDay(bool noise) {
    CRecording r;
    r.start = 1079330400;
    r.samples.resize(kDaySeconds);
    int distance = 0;
    for (int i = 0; i < kDaySeconds; ++i) {
        RecordingSample& s = r.samples[i];
        s.time = i;
        if (i % 3600 > 300) distance += 7;
        s.distance = distance;
        const int jitter = (i * 7919) % 13;
        if (noise) {
            s.heartRate = static_cast<float>(110 + (i * 7919) % 60);
            s.cadence = static_cast<float>(60 + (i * 104729) % 40);
            s.altitude = static_cast<float>(400 + (i * 15485863) % 300);
            s.power = static_cast<float>(100 + (i * 31) % 200);
        } else {
            s.heartRate = static_cast<float>(135 + 25 * std::sin(i / 900.0) + jitter % 5);
            s.cadence = static_cast<float>(85 + 6 * std::sin(i / 240.0) + jitter % 3);
            s.altitude = static_cast<float>(550 + 150 * std::sin(i / 3000.0));
            s.power = static_cast<float>(210 + 60 * std::sin(i / 500.0) + 3 * jitter);
        }
    }
    return r;
}

const CRecording& Day(bool noise = false) {
    static const CRecording smooth = MakeDay(false);
    static const CRecording rough = MakeDay(true);
    return noise ? rough : smooth;
}

void BM_ChartRepaintDay(benchmark::State& state) {
    EnsureGuiApplication();
    CHeartRateChart chart;
    chart.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    chart.SetRecording(&Day(state.range(2) != 0));
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        chart.Refresh();  // drops the off-screen picture: everything is drawn again
        chart.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
// The chart at the dialog's default size and in a dialog of 1280 x 860; a
// day of riding, then a day of noise.
BENCHMARK(BM_ChartRepaintDay)
    ->ArgNames({"width", "height", "noise"})
    ->Args({736, 330, 0})
    ->Args({1256, 610, 0})
    ->Args({736, 330, 1})
    ->Args({1256, 610, 1})
    ->Unit(benchmark::kMillisecond);

void BM_ChartLayoutDay(benchmark::State& state) {
    EnsureGuiApplication();
    const std::array<bool, kChartSlotCount> visible = {true, false, true, false, false, true, true};
    for (auto _ : state) {
        ChartFrame frame =
            MakeChartFrame(&Day(), visible, kChartXTime, 0, kDaySeconds - 1, QSize(736, 330));
        benchmark::DoNotOptimize(frame.layout.plot);
    }
}
BENCHMARK(BM_ChartLayoutDay)->Unit(benchmark::kMillisecond);

// One tap of an arrow key on the shown chart, with the repaint it causes.
void BM_ChartMarkerKeyStepDay(benchmark::State& state) {
    EnsureGuiApplication();
    CHeartRateChart chart;
    chart.resize(736, 330);
    chart.SetRecording(&Day());
    chart.show();
    chart.setFocus();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const int key = step++ % 2000 < 1000 ? Qt::Key_Right : Qt::Key_Left;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&chart, &press);
        QCoreApplication::sendEvent(&chart, &release);
        QApplication::processEvents();
    }
    if (chart.GetMarker(0) < 0) state.SkipWithError("no marker");
}
BENCHMARK(BM_ChartMarkerKeyStepDay)->Unit(benchmark::kMicrosecond);

// A marker dragged by one mouse move: the nearest of 86,400 samples and the repaint.
void BM_ChartMarkerDragDay(benchmark::State& state) {
    EnsureGuiApplication();
    CHeartRateChart chart;
    chart.resize(736, 330);
    chart.SetRecording(&Day());
    chart.show();
    QApplication::processEvents();
    const QRect plot = chart.PlotRect();
    const QPointF start(chart.MarkerPixel(0), plot.center().y());
    QMouseEvent hover(QEvent::MouseMove, start, chart.mapToGlobal(start), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&chart, &hover);
    int step = 0;
    for (auto _ : state) {
        const QPointF at(plot.left() + (step++ * 7) % plot.width(), plot.center().y());
        QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&chart, &move);
        QApplication::processEvents();
    }
    if (chart.GetMarker(0) == 0 && step > 1) state.SkipWithError("the marker did not follow");
}
BENCHMARK(BM_ChartMarkerDragDay)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kadenzo
#endif
