// The cost of one gauge picture at 400 x 400: everything a redraw does
// before the copy to the screen (the whole picture composed off screen).
// With smoothing on, each open gauge does this ten times a second. The
// second set draws it at a pixel ratio of 2 ("Sharp") and also anti-aliased
// ("Sharp/smooth:1"), as on a 200 % screen with "Smooth drawing".
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

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
