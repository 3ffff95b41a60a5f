// The cost of one gauge picture at 400 x 400: everything a redraw does
// before the copy to the screen (the whole picture composed off screen).
// With smoothing on, each open gauge does this ten times a second.
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

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
