// The survey window with large surveys: a full repaint of the plot at
// 600 x 400 with 1,000,000 samples, one live sample taken by the plot with
// 1,000 and with 1,000,000 samples stored (its cost must not grow with the
// count), the million dots alone at device pixel ratios 1 and 2, opening a
// 1,000,000-sample path file (62 MB) into a window, and the statistics
// pane's refresh with its accuracy block over 1,000,000 samples.
//   build/dev/bench/survey_window_bench --benchmark_min_time=1

#include "framework/AppContext.h"
#include "framework/PictureCanvas.h"
#include "framework/Prompter.h"
#include "nmea/NmeaParser.h"
#include "settings/SettingsStore.h"
#include "survey/PathFile.h"
#include "views/survey/SurveyDoc.h"
#include "settings/SurveySettings.h"
#include "survey/AccuracySettings.h"
#include "views/survey/SurveyKind.h"
#include "views/survey/SurveyStatsView.h"
#include "views/survey/SurveyView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace orbilunex;

constexpr std::uint32_t kMillion = 1'000'000;
constexpr int kWidth = 600;
constexpr int kHeight = 400;
constexpr double kBaseLatitude = 47.2612983;
constexpr double kBaseLongitude = 11.3466683;

// What the window needs of the application: settings in memory, a prompter
// that never waits and a parser the live samples are fed through.
class BenchContext : public AppContext {
public:
    SettingsStore& settings() override { return store; }
    Prompter& prompter() override { return asker; }
    const GpsState& gpsState() const override { return parser.gpsState(); }
    std::uint64_t stateRevision() const override { return parser.stateRevision(); }
    void documentClosing(CDocument*) override {}

    MemorySettingsStore store;
    UnattendedPrompter asker;
    NmeaParser parser;
};

// A receiver wandering about a fixed point as a real one does: each fix a
// small step from the last, pulled back towards the centre, so the dots fill
// a cloud some 20 m across, most of the plot, and the lines between them are
// a few pixels long. HDOP around the default
// threshold gives both colours.
struct Wander {
    std::vector<double> latitude, longitude, altitude;
    std::vector<std::uint16_t> hdop10;

    explicit Wander(std::size_t n)
    {
        std::uint32_t seed = 2032;
        auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<double>(seed >> 8) / 16777216.0 - 0.5;
        };
        double north = 0, east = 0, up = 0;
        for (std::size_t i = 0; i < n; ++i) {
            north = north * 0.99 + next() * 3e-5;
            east = east * 0.99 + next() * 3e-5;
            up = up * 0.99 + next() * 0.5;
            latitude.push_back(kBaseLatitude + north);
            longitude.push_back(kBaseLongitude + east);
            altitude.push_back(590.0 + up);
            hdop10.push_back(static_cast<std::uint16_t>(8 + (next() + 0.5) * 30));
        }
    }
};

const Wander& wander()
{
    static const Wander w(kMillion);
    return w;
}

void fill(SurveyModel& survey, std::uint32_t count)
{
    const Wander& w = wander();
    for (std::uint32_t i = 0; i < count; ++i)
        survey.addSample(w.latitude[i], w.longitude[i], w.altitude[i], 15, 1, w.hdop10[i], 14);
}

// Degrees as NMEA's ddmm.mmmmmm, from integers so that no locale reaches it.
std::string nmeaAngle(double degrees, int degreeDigits)
{
    const long long microMinutes = std::llround(degrees * 60.0 * 1e6);
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld%02lld.%06lld", degreeDigits,
                  microMinutes / 60000000, microMinutes % 60000000 / 1000000,
                  microMinutes % 1000000);
    return text;
}

// A GGA at a point within the middle four fifths of the box each way, so
// that no live sample moves the extents; HDOP from 0.8 to 3.8.
std::vector<std::string> liveSentences(const PlotExtents& box, std::size_t count)
{
    std::uint32_t seed = 77;
    auto within = [&seed](double low, double high) {
        seed = seed * 1664525u + 1013904223u;
        const double u = static_cast<double>(seed >> 8) / 16777216.0;
        return low + (high - low) * (0.1 + 0.8 * u);
    };
    std::vector<std::string> out;
    for (std::size_t i = 0; i < count; ++i) {
        const int hdop10 = 8 + static_cast<int>(i * 7 % 31);
        const std::string body =
            "GPGGA,120000.00," + nmeaAngle(within(box.latitudeMin, box.latitudeMax), 2) + ",N," +
            nmeaAngle(within(box.longitudeMin, box.longitudeMax), 3) + ",E,1,08," +
            std::to_string(hdop10 / 10) + "." + std::to_string(hdop10 % 10) +
            ",590.0,M,46.9,M,,";
        unsigned char sum = 0;
        for (char c : body) sum ^= static_cast<unsigned char>(c);
        char tail[8];
        std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
        out.push_back("$" + body + tail);
    }
    return out;
}

// A survey window's document with its plot at 600 x 400, shown and drawn.
struct PlotWindow {
    explicit PlotWindow(std::uint32_t samples)
    {
        tmpl.kind = &kSurveyKind.kind;
        doc = std::make_unique<CSurveyDoc>(tmpl, app);
        fill(doc->survey(), samples);
        view = std::make_unique<CSurveyView>(doc.get(), app);
        view->resize(kWidth, kHeight);
        view->show();
        QCoreApplication::processEvents();
        view->picture();
    }
    ~PlotWindow() { view.reset(); }

    BenchContext app;
    DocTemplate tmpl;
    std::unique_ptr<CSurveyDoc> doc;
    std::unique_ptr<CSurveyView> view;
};

// Every sample walked and drawn again, as after a resize or a change of
// the extents. Argument: lines between the dots off (0) or on (1).
void BM_PlotFullRepaint(benchmark::State& state)
{
    PlotWindow window(kMillion);
    window.doc->survey().useLines = static_cast<int>(state.range(0));
    for (auto _ : state) {
        window.view->onUpdate(nullptr); // what a change of the document does
        const QImage& picture = window.view->picture();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["samples"] = window.doc->survey().sampleCount();
    state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(BM_PlotFullRepaint)->Arg(0)->Arg(1)->ArgName("lines")->Unit(benchmark::kMillisecond);

// The dots alone on a canvas of the window's logical size at a ratio of 1
// or 2 (a high-density screen), lines on: each logical pixel is a block of
// physical ones there. Second argument: "Smooth drawing", whose
// anti-aliased lines go through a painter instead of the direct pixels.
void BM_PlotDotsAtRatio(benchmark::State& state)
{
    PlotWindow window(kMillion);
    window.doc->survey().useLines = 1;
    QImage canvas = pictureCanvas(QSize(kWidth, kHeight), static_cast<qreal>(state.range(0)));
    for (auto _ : state) {
        canvas.fill(Qt::white);
        SurveyPlotTrail trail;
        plotSurveySamples(canvas, trail, window.view->frame(), window.view->extents(),
                          window.doc->survey(), state.range(1) != 0);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(BM_PlotDotsAtRatio)
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->ArgNames({"ratio", "smooth"})
    ->Unit(benchmark::kMillisecond);

// One tick that takes a sample: the dot drawn onto the kept canvas, the
// indicators and marker redrawn around it, the sample stored. The sentence
// is decoded outside the timing. Every position lies inside the extents the
// stored samples set, so no tick rescales. A fixed number of iterations
// keeps the small survey small. Arguments: samples stored; both indicators
// on (1) or off (0). The indicators cost what their size costs, and a small
// survey's spreads draw them larger.
void BM_LiveSample(benchmark::State& state)
{
    const auto stored = static_cast<std::uint32_t>(state.range(0));
    PlotWindow window(stored);
    SurveyModel& survey = window.doc->survey();
    survey.acquisitionEnabled = true;
    survey.enablePalsfsd = static_cast<int>(state.range(1));
    survey.enablePositionAvgIndicator = static_cast<int>(state.range(1));
    window.doc->updateAllViews();
    window.view->picture();
    const PlotExtents before = window.view->extents();
    const std::vector<std::string> sentences = liveSentences(before, 4096);
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string& sentence = sentences[next++ % sentences.size()];
        window.app.parser.feed(sentence.data(), sentence.size());
        state.ResumeTiming();
        window.view->tick();
        benchmark::DoNotOptimize(window.view->picture().constBits());
    }
    const std::uint32_t taken = survey.sampleCount() - stored;
    if (taken != state.iterations()) state.SkipWithError("a tick took no sample");
    if (window.view->extents().latitudeMin != before.latitudeMin ||
        window.view->extents().longitudeMax != before.longitudeMax)
        state.SkipWithError("the extents moved: ticks repainted fully");
    state.counters["storedAtEnd"] = survey.sampleCount();
}
BENCHMARK(BM_LiveSample)
    ->ArgsProduct({{1000, kMillion}, {1, 0}})
    ->ArgNames({"stored", "indicators"})
    ->Iterations(5000)
    ->Unit(benchmark::kMicrosecond);

// File Open's work on a 1,000,000-sample file, the file in the page cache:
// the read with its progress reports, the statistics rebuilt, the plot fitted
// and its first picture drawn.
void BM_OpenPathFile(benchmark::State& state)
{
    const std::string path = "/tmp/orbilunex-survey-window-bench-" + std::to_string(getpid()) + ".pth";
    {
        MemorySettingsStore settings;
        SurveyModel source(settings);
        fill(source, kMillion);
        std::string error;
        if (!savePathFile(path, source, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
    PlotWindow window(0);
    for (auto _ : state) {
        window.doc->survey().acquisitionEnabled = false; // no question to answer
        if (!window.doc->onOpenDocument(QString::fromStdString(path)) ||
            window.doc->survey().sampleCount() != kMillion)
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(window.view->picture().constBits());
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(BM_OpenPathFile)->Unit(benchmark::kMillisecond);

// The statistics pane's once-a-second refresh over 1,000,000 samples with a
// reference stored: its tick and the paint it asks for. Argument: a new
// sample before each refresh (1), which makes the pane work the accuracy
// out again over every sample, or none (0), the idle tick.
void BM_StatsRefresh(benchmark::State& state)
{
    const bool growing = state.range(0) != 0;
    BenchContext app;
    storeReference(app.store, ReferencePoint{kBaseLatitude, kBaseLongitude, 590.0});
    DocTemplate tmpl;
    tmpl.kind = &kSurveyKind.kind;
    CSurveyDoc doc(tmpl, app);
    fill(doc.survey(), kMillion);
    CSurveyStatsView view(&doc, app);
    view.resize(kWidth, kHeight);
    view.show();
    QCoreApplication::processEvents();
    view.tick();
    QCoreApplication::processEvents();
    const Wander& w = wander();
    std::uint32_t next = 0;
    for (auto _ : state) {
        if (growing) {
            doc.addSample(w.latitude[next], w.longitude[next], w.altitude[next], 15, 1,
                          w.hdop10[next], 14);
            next = (next + 1) % kMillion;
        }
        view.tick();
        QCoreApplication::processEvents();
    }
    const QJsonObject shows = view.shows();
    if (shows.value(QStringLiteral("sampleCount")).toInt() !=
            static_cast<int>(doc.survey().sampleCount()) ||
        !shows.contains(QStringLiteral("referenceError")))
        state.SkipWithError("the pane did not show the survey as it stands");
    state.counters["samples"] = doc.survey().sampleCount();
}
BENCHMARK(BM_StatsRefresh)->Arg(0)->Arg(1)->ArgName("newSample")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
