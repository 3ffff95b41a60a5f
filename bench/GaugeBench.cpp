// The cost of one gauge picture at 400 x 400: everything a redraw does
// before the copy to the screen (the whole picture composed off screen).
// With smoothing on, each open gauge does this ten times a second. The
// second set draws it at a pixel ratio of 2 ("Sharp") and also anti-aliased
// ("Sharp/smooth:1"), as on a 200 % screen with "Smooth drawing".
// BM_GaugeValue hands a shown 400 x 400 control a new value as a poll does,
// and lets the event loop turn once:
// one that does not show ("moves:0", a settled smoothed value, which should
// cost next to nothing and take no heap block) and one that does
// ("moves:1", a repaint); "heapBlocks" counts blocks taken per value.
//   build/dev/bench/gauge_bench --benchmark_min_time=1

#include "gauges/altimeter/AltimeterWnd.h"
#include "gauges/attitude/AttitudeWnd.h"
#include "gauges/compass/BearingCompassWnd.h"
#include "gauges/compass/CompassWnd.h"
#include "gauges/compass/SimpleCompassWnd.h"
#include "gauges/speedometer/SpeedometerWnd.h"
#include "gauges/verticalspeed/VerticalSpeedWnd.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <atomic>
#include <cstddef>

// Every heap block taken in the process: Qt's containers and operator new
// both end in malloc.
namespace {
std::atomic<long> heapBlocks{0};
}
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* malloc(std::size_t size)
{
    heapBlocks.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

namespace {

using namespace orbilunex;

template <typename Control>
void BM_GaugePicture(benchmark::State& state)
{
    Control control;
    const QSize size(400, 400);
    for (auto _ : state) {
        QImage picture = control.render(size);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

BENCHMARK_TEMPLATE(BM_GaugePicture, CSpeedometerWnd)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_GaugePicture, CAltimeterWnd)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_GaugePicture, CVerticalSpeedWnd)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_GaugePicture, CCompassWnd)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_GaugePicture, CBearingCompassWnd)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_GaugePicture, CSimpleCompassWnd)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_GaugePicture, CAttitudeWnd)->Unit(benchmark::kMicrosecond);

template <typename Control>
void BM_GaugePictureSharp(benchmark::State& state)
{
    Control control;
    control.setSmooth(state.range(0) != 0);
    const QSize size(400, 400);
    for (auto _ : state) {
        QImage picture = control.render(size, 2.0);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

#define SHARP(Control)                                                                            \
    BENCHMARK_TEMPLATE(BM_GaugePictureSharp, Control)                                             \
        ->ArgName("smooth")                                                                       \
        ->Arg(0)                                                                                  \
        ->Arg(1)                                                                                  \
        ->Unit(benchmark::kMicrosecond)
SHARP(CSpeedometerWnd);
SHARP(CAltimeterWnd);
SHARP(CVerticalSpeedWnd);
SHARP(CCompassWnd);
SHARP(CBearingCompassWnd);
SHARP(CSimpleCompassWnd);
SHARP(CAttitudeWnd);

template <typename Control>
void BM_GaugeValue(benchmark::State& state)
{
    Control control;
    control.resize(400, 400);
    control.show();
    QCoreApplication::processEvents();
    const QString unit = QStringLiteral("ft");
    // A millionth of a unit: the needle moves far less than a tenth of a
    // pixel and the read-out stays; a whole unit moves both.
    double step = state.range(0) != 0 ? 1.0 : 1e-6;
    double value = 100.0;
    control.setValue(value, unit);
    QCoreApplication::processEvents();
    const long blocksBefore = heapBlocks.load();
    for (auto _ : state) {
        step = -step;
        value += step;
        control.setValue(value, unit);
        // The paint a visible change asks for, as the next turn of the
        // window's event loop draws it.
        QCoreApplication::processEvents();
    }
    state.counters["heapBlocks"] = benchmark::Counter(
        static_cast<double>(heapBlocks.load() - blocksBefore), benchmark::Counter::kAvgIterations);
}

#define VALUE(Control)                                                                            \
    BENCHMARK_TEMPLATE(BM_GaugeValue, Control)                                                    \
        ->ArgName("moves")                                                                        \
        ->Arg(0)                                                                                  \
        ->Arg(1)                                                                                  \
        ->Unit(benchmark::kMicrosecond)
VALUE(CSpeedometerWnd);
VALUE(CAltimeterWnd);
VALUE(CVerticalSpeedWnd);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
