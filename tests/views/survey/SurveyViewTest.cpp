#include "views/survey/SurveyView.h"

#include "format/GreatCircle.h"
#include "framework/PictureCanvas.h"
#include "models/survey/plot/PlotReadout.h"
#include "settings/GeneralSettings.h"
#include "settings/SurveySettings.h"
#include "survey/AccuracySettings.h"
#include "survey/SurveySample.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyKind.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonObject>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orbilunex {
namespace {

using test::colourName;
using test::FakeAppContext;

constexpr QRgb kBlue = 0xff0000ff;
constexpr QRgb kRed = 0xffff0000;

// Degrees as NMEA's ddmm.mmmmmm (or dddmm.mmmmmm), written with integers
// so that no locale reaches the text.
std::string nmeaAngle(double degrees, int degreeDigits)
{
    const long long microMinutes = std::llround(degrees * 60.0 * 1e6);
    const long long whole = microMinutes / 60000000;
    const long long rest = microMinutes % 60000000;
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld%02lld.%06lld", degreeDigits, whole, rest / 1000000,
                  rest % 1000000);
    return text;
}

std::string gga(double latitude, double longitude, int fixQuality, const std::string& hdop)
{
    return "GPGGA,120000.00," + nmeaAngle(latitude, 2) + ",N," + nmeaAngle(longitude, 3) +
           ",E," + std::to_string(fixQuality) + ",08," + hdop + ",545.37,M,46.9,M,,";
}

constexpr double kBaseLatitude = 48.1;
constexpr double kBaseLongitude = 11.5;
// A hundred-thousandth of a degree: the first fix opens a box of +-10 steps.
constexpr double kStep = 1e-5;

class SurveyViewTest : public ::testing::Test {
protected:
    SurveyViewTest()
    {
        tmpl.kind = &kSurveyKind.kind;
        doc = std::make_unique<CSurveyDoc>(tmpl, app);
        view = std::make_unique<CSurveyView>(doc.get(), app);
        view->resize(340, 300);
        view->show();
        view->picture(); // the canvas exists, so live samples draw onto it
    }
    ~SurveyViewTest() override { view.reset(); }

    // One GGA `north` and `east` steps from the base, one tick, and the
    // picture the paint after it brings up to date.
    void fix(int north, int east, const std::string& hdop = "1.0")
    {
        app.receive(gga(kBaseLatitude + north * kStep, kBaseLongitude + east * kStep, 1, hdop));
        tick();
    }

    void tick()
    {
        view->tick();
        view->picture(); // what the paint after it shows
    }

    SurveyModel& survey() { return doc->survey(); }

    // Where the view puts stored sample `index`.
    PixelPoint pixelOf(std::uint32_t index)
    {
        const SurveySample& s = survey().samples().at(index);
        return surveyPlotPoint(view->frame(), view->extents(), s.latitude * kDegreesPerUnit,
                               s.longitude * kDegreesPerUnit);
    }

    // The picture as a full repaint draws it, walking every sample.
    QImage repainted()
    {
        doc->updateAllViews();
        return view->picture();
    }

    void mouse(QEvent::Type type, PixelPoint at, Qt::MouseButton button)
    {
        const QPointF local(at.x, at.y);
        QMouseEvent event(type, local, view->child()->mapToGlobal(local), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(view->child(), &event);
    }

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CSurveyDoc> doc;
    std::unique_ptr<CSurveyView> view;
};

QRgb pixelAt(const QImage& image, PixelPoint p)
{
    return image.pixel(p.x, p.y);
}

TEST_F(SurveyViewTest, TheLiveFeedTakesAtMostOneSamplePerTickUnderTheVerifyAndAcquisitionRules)
{
    struct Step {
        const char* what;
        std::vector<std::string> received;
        int verifyPositionFix;
        bool acquisition;
        bool takes;
    };
    const std::string a = gga(kBaseLatitude, kBaseLongitude, 1, "1.0");
    const std::string b = gga(kBaseLatitude + 3 * kStep, kBaseLongitude, 1, "1.0");
    const std::string invalid = gga(kBaseLatitude + 5 * kStep, kBaseLongitude, 0, "1.0");
    const Step steps[] = {
        {"two GGAs in one tick", {a, b}, 1, true, true},
        {"nothing new", {}, 1, true, false},
        {"a GSA alone", {"GPGSA,A,3,04,05,09,12,,,,,,,,,2.5,1.3,1.96"}, 1, true, false},
        {"no fix, verified", {invalid}, 1, true, false},
        {"no fix, not verified", {invalid}, 0, true, true},
        {"acquisition off", {a}, 1, false, false},
        {"acquisition back on, same GGA", {}, 1, true, false},
    };
    double lastLatitude = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        survey().verifyPositionFix = step.verifyPositionFix;
        survey().acquisitionEnabled = step.acquisition;
        for (const std::string& body : step.received) app.receive(body);
        const std::uint32_t before = survey().sampleCount();
        view->tick();
        ASSERT_EQ(survey().sampleCount(), before + (step.takes ? 1u : 0u));
        if (step.takes) {
            lastLatitude = app.gpsState().latitude;
            EXPECT_EQ(survey().samples().at(before).latitude,
                      truncateToInt32(lastLatitude * 10000000.0))
                << "the latest state is the one taken";
        }
    }
    EXPECT_NEAR(survey().samples().at(0).latitude * kDegreesPerUnit,
                kBaseLatitude + 3 * kStep, 2e-7);
    EXPECT_TRUE(doc->isModified());

    // The DOPs come in times ten, truncated; the fix type from the GSA.
    survey().verifyPositionFix = 1;
    app.receive("GPGSA,A,3,04,05,09,12,,,,,,,,,2.59,1.3,1.96\n" + gga(kBaseLatitude, kBaseLongitude, 2, "1.05"));
    view->tick();
    const SurveySample& s = survey().samples().at(survey().sampleCount() - 1);
    EXPECT_EQ(s.pdop10, 25);
    EXPECT_EQ(s.vdop10, 19);
    EXPECT_EQ(s.hdop10, 10);
    EXPECT_EQ(s.fix3d, 1);
    EXPECT_EQ(s.altitude, 54537);
}

TEST_F(SurveyViewTest, ReplayingTheSampleLogTakesExactlyWhatTheEngineTakes)
{
    std::ifstream in(SAMPLE_DATA_DIR "/sample.nmea", std::ios::binary);
    ASSERT_TRUE(in.good());
    const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    // The engine alone, sampling right after every GGA.
    SurveyModel reference(app.store);
    SurveyLiveFeed referenceFeed;
    NmeaParser referenceParser;
    referenceFeed.feedStream(referenceParser, reinterpret_cast<const unsigned char*>(log.data()),
                             log.size(), reference);

    // The window, ticking after every line as the receiver's lines arrive.
    bool indicatorsMoved = false;
    double lastLsfLatitude = 0;
    for (std::size_t start = 0; start < log.size();) {
        std::size_t end = log.find('\n', start);
        end = end == std::string::npos ? log.size() : end + 1;
        app.parser.feed(log.data() + start, end - start);
        tick();
        start = end;
        const double lsfLatitude = view->lsfFigures().latitude;
        if (lastLsfLatitude != 0 && lsfLatitude != lastLsfLatitude) indicatorsMoved = true;
        lastLsfLatitude = lsfLatitude;
    }

    ASSERT_GT(reference.sampleCount(), 100u);
    ASSERT_EQ(survey().sampleCount(), reference.sampleCount());
    for (std::uint32_t i = 0; i < reference.sampleCount(); ++i) {
        const SurveySample& got = survey().samples().at(i);
        const SurveySample& want = reference.samples().at(i);
        ASSERT_TRUE(got.latitude == want.latitude && got.longitude == want.longitude &&
                    got.altitude == want.altitude && got.hdop10 == want.hdop10 &&
                    got.vdop10 == want.vdop10 && got.pdop10 == want.pdop10 &&
                    got.fix3d == want.fix3d)
            << "sample " << i;
    }
    EXPECT_TRUE(indicatorsMoved);
    const QImage live = view->picture();
    test::savePicture(live, "survey-plot-sample-log.png");
    EXPECT_TRUE(live == repainted()) << "the live picture is the one a full repaint gives";
}

TEST_F(SurveyViewTest, DotsAreBlueWithinTheHdopLimitAndRedBeyondWithLinesAndLargeMarkers)
{
    // Bare dots first: no indicators, no lines, small markers.
    survey().enablePalsfsd = 0;
    survey().enablePositionAvgIndicator = 0;
    survey().useLines = 0;
    survey().plotIndicatorSize = 0;
    doc->updateAllViews();
    view->picture();

    struct Dot {
        int north, east;
        const char* hdop;
        QRgb colour;
    };
    const Dot dots[] = {
        {0, 0, "1.0", kBlue},
        {5, 5, "3.0", kBlue}, // exactly the limit of 30
        {-5, 5, "3.1", kRed},
        {-5, -5, "0.0", kBlue}, // no HDOP at all
        {6, -6, "9.9", kRed},
    };
    for (const Dot& d : dots) fix(d.north, d.east, d.hdop);
    ASSERT_EQ(survey().sampleCount(), std::size(dots));
    const QImage bare = view->picture();
    for (std::uint32_t i = 0; i < std::size(dots); ++i) {
        SCOPED_TRACE(dots[i].hdop);
        const PixelPoint p = pixelOf(i);
        EXPECT_EQ(colourName(pixelAt(bare, p)), colourName(dots[i].colour));
        // Small markers: the diagonal neighbour is not set.
        EXPECT_NE(pixelAt(bare, {p.x + 1, p.y + 1}), dots[i].colour);
    }

    // Lines and large markers: a full repaint joins the dots, and a live
    // dot joins the last one.
    survey().useLines = 1;
    survey().plotIndicatorSize = 1;
    doc->updateAllViews();
    view->picture();
    fix(-8, 8, "5.0");
    const QImage joined = view->picture();
    test::savePicture(joined, "survey-plot-dots.png");
    const PixelPoint from = pixelOf(4);
    const PixelPoint to = pixelOf(5);
    for (const PixelPoint corner : {PixelPoint{to.x - 1, to.y - 1}, PixelPoint{to.x + 1, to.y + 1}})
        EXPECT_EQ(colourName(pixelAt(joined, corner)), colourName(kRed));
    const QRect lineBox = QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)).normalized();
    const int redOnLine =
        test::countPixels(joined, lineBox, [](QRgb rgb) { return rgb == kRed; });
    EXPECT_GE(redOnLine, std::max(lineBox.width(), lineBox.height()))
        << "the line to the new dot is drawn in its colour";
    EXPECT_TRUE(joined == repainted());
}

TEST_F(SurveyViewTest, IndicatorsShowTheFiguresBeforeTheNewestSampleAndVanishByExclusiveOr)
{
    const int offsets[][2] = {{0, 0}, {3, 1}, {-2, 4}, {1, -3}, {4, 2}, {-3, -1}, {2, 2}};
    for (const auto& o : offsets) fix(o[0], o[1]);
    const IndicatorFigures lsfBefore = lsfIndicatorFigures(survey());
    const IndicatorFigures meanBefore = meanIndicatorFigures(survey());
    fix(-1, 3);
    EXPECT_EQ(view->lsfFigures().latitude, lsfBefore.latitude);
    EXPECT_EQ(view->lsfFigures().longitudeSpread, lsfBefore.longitudeSpread);
    EXPECT_EQ(view->meanFigures().longitude, meanBefore.longitude);
    EXPECT_EQ(view->meanFigures().latitudeSpread, meanBefore.latitudeSpread);
    EXPECT_NE(lsfIndicatorFigures(survey()).latitude, lsfBefore.latitude);

    const QImage both = view->picture();
    test::savePicture(both, "survey-plot-indicators.png");
    EXPECT_TRUE(both == repainted()) << "erased and redrawn live exactly as a repaint draws";

    struct Case {
        const char* name;
        void (CSurveyDoc::*toggle)();
        std::optional<IndicatorGeometry> geometry;
        QRgb xorMask;
    };
    const Case cases[] = {
        {"least squares", &CSurveyDoc::toggleLsfIndicator,
         lsfIndicator(view->frame(), view->extents(), view->lsfFigures(), 1), 0x00ffffff},
        {"mean", &CSurveyDoc::toggleMeanIndicator,
         meanIndicator(view->frame(), view->extents(), view->meanFigures(), 1), 0x00ff00ff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.geometry.has_value());
        (doc.get()->*c.toggle)();
        const QImage without = view->picture();
        const PixelPoint crossEnd = c.geometry->cross[0].from;
        EXPECT_EQ(pixelAt(without, crossEnd), pixelAt(both, crossEnd) ^ c.xorMask);
        // Every pixel the indicator touched differs by its colour, nothing else.
        int changed = 0;
        for (int y = 0; y < both.height(); ++y)
            for (int x = 0; x < both.width(); ++x)
                if (both.pixel(x, y) != without.pixel(x, y)) {
                    ++changed;
                    ASSERT_EQ(both.pixel(x, y) ^ without.pixel(x, y), c.xorMask) << x << "," << y;
                }
        EXPECT_GT(changed, 20);
        (doc.get()->*c.toggle)();
        EXPECT_TRUE(view->picture() == both) << "drawn again, the indicator is back as it was";
    }
}

TEST_F(SurveyViewTest, AccuracyRingsAndTheReferenceShowTrueToScaleOnlyWhenAskedAndFollowLiveSamples)
{
    namespace keys = settings::survey;
    const int offsets[][2] = {{0, 0}, {3, 1}, {-2, 4}, {1, -3}, {4, 2}, {-3, -1}, {2, 2}, {-4, 3}};
    for (const auto& o : offsets) fix(o[0], o[1]);
    const QImage plain = view->picture();
    EXPECT_TRUE(view->accuracyMarksShown().empty());

    storeReference(app.settings(), ReferencePoint{kBaseLatitude + 2 * kStep,
                                                  kBaseLongitude - 5 * kStep, 500});
    writeSetting(app.settings(), keys::kAccuracyCircles, 1);
    const QImage marked = repainted();
    test::savePicture(marked, "survey-plot-accuracy.png");
    const AccuracyMarks marks = view->accuracyMarksShown();
    ASSERT_TRUE(marks.cep50 && marks.r95 && marks.reference);

    // Each mark's pixels differ from the plain picture by its own mask, and
    // a ring's radii are its figure in metres along the ground each way.
    AccuracyScratch scratch;
    const SurveyAccuracy accuracy = surveyAccuracy(survey(), scratch);
    struct Case {
        const char* name;
        std::optional<AccuracyRing> ring;
        double metres;
        QRgb mask;
    };
    const Case cases[] = {{"CEP50", marks.cep50, *accuracy.cep50, 0x000080ff},
                          {"R95", marks.r95, *accuracy.r95, 0x00ff7050}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double eastDegrees = c.ring->radiusX / view->frame().xScale;
        const double northDegrees = c.ring->radiusY / view->frame().yScale;
        const double lat = accuracy.centreLatitude;
        const double lon = accuracy.centreLongitude;
        EXPECT_NEAR(distanceNm(lat, lon, lat, lon + eastDegrees) * 1852, c.metres,
                    c.metres * 0.01);
        EXPECT_NEAR(distanceNm(lat, lon, lat + northDegrees, lon) * 1852, c.metres,
                    c.metres * 0.01);
        EXPECT_GT(std::fabs(c.ring->radiusX - c.ring->radiusY), 1.0) << "an ellipse in pixels";
        // The ring crosses the row through its centre near its east end.
        const int y = static_cast<int>(c.ring->centreY);
        const int east = static_cast<int>(c.ring->centreX + c.ring->radiusX);
        int hits = 0;
        for (int x = east - 2; x <= east + 2; ++x)
            if ((marked.pixel(x, y) ^ plain.pixel(x, y)) == c.mask) ++hits;
        EXPECT_GT(hits, 0) << "at " << east << "," << y;
    }
    const PixelPoint top{marks.reference->x, marks.reference->y - kReferenceMarkerHalf};
    EXPECT_EQ(pixelAt(marked, top) ^ pixelAt(plain, top), 0x0080ffffu)
        << colourName(pixelAt(marked, top));

    // Off again: the plot is exactly as it was.
    writeSetting(app.settings(), keys::kAccuracyCircles, 0);
    storeReference(app.settings(), std::nullopt);
    EXPECT_TRUE(repainted() == plain);

    // Live samples move the rings; erased and redrawn by exclusive-or, the
    // picture is what a full repaint draws.
    writeSetting(app.settings(), keys::kAccuracyCircles, 1);
    repainted();
    view->setAccuracyInterval(std::chrono::milliseconds(0));
    const AccuracyRing before = *view->accuracyMarksShown().r95;
    fix(-1, 3);
    fix(6, -6);
    EXPECT_FALSE(*view->accuracyMarksShown().r95 == before);
    const QImage live = view->picture();
    EXPECT_TRUE(live == repainted()) << "live rings erased and redrawn exactly";
}

TEST_F(SurveyViewTest, AClickMovesTheMarkerAndTheReadoutMeasuresFromIt)
{
    fix(0, 0);
    fix(4, 4);
    const QImage before = view->picture();
    const PixelPoint target{200, 120};
    mouse(QEvent::MouseButtonPress, target, Qt::LeftButton);
    EXPECT_EQ(view->marker(), target);
    const QImage after = view->picture();
    // The left arm's outer pixel, at the old place and the new.
    for (const PixelPoint arm : {PixelPoint{kInitialSurveyMarker.x - 4, kInitialSurveyMarker.y},
                                 PixelPoint{target.x - 4, target.y}})
        EXPECT_EQ(colourName(pixelAt(after, arm)), colourName(pixelAt(before, arm) ^ 0x00c0c0c0));
    EXPECT_EQ(pixelAt(after, target), pixelAt(before, target)) << "the centre stays open";
    EXPECT_TRUE(after == repainted());

    mouse(QEvent::MouseMove, target, Qt::NoButton);
    EXPECT_NE(app.statusText.find("   Distance = 0.00 "), std::string::npos) << app.statusText;
    const PixelPoint away{target.x + 60, target.y + 20};
    mouse(QEvent::MouseMove, away, Qt::NoButton);
    const SurveyPlotReadout expected =
        surveyPlotReadout(app.store, view->frame(), view->extents(), away, target);
    EXPECT_GT(expected.distance, 0.0);
    EXPECT_EQ(app.statusText, expected.text);
}

TEST_F(SurveyViewTest, AnErasedSurveyNamesNoPositionAndClearsTheReadout)
{
    fix(0, 0);
    fix(4, 4);
    mouse(QEvent::MouseMove, {200, 120}, Qt::NoButton);
    ASSERT_NE(app.statusText.find("Distance = "), std::string::npos);

    app.asker.answers.push_back(Prompter::Answer::Yes);
    doc->eraseCommand(nullptr);
    ASSERT_EQ(survey().sampleCount(), 0u);
    EXPECT_EQ(app.statusText, "") << "the read-out measured from samples now gone";
    // The grid the painter gets names no position (keepGridLabels then
    // shows none, see PlotScaleTest).
    const SurveyPlotGrid grid = layoutSurveyGrid(view->frame(), view->extents(), app.store, 13);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(grid.latitudeLabels[i].text + grid.longitudeLabels[i].text, "");
    mouse(QEvent::MouseMove, {100, 100}, Qt::NoButton);
    EXPECT_EQ(app.statusText, "");
}

TEST_F(SurveyViewTest, ANarrowPaneCentresTheFirstFixInItsSquare)
{
    view->resize(200, 320);
    view->picture();
    fix(0, 0);
    const PixelRect& square = view->frame().square;
    EXPECT_EQ(square, (PixelRect{10, 70, 190, 250}));
    const PixelPoint p = pixelOf(0);
    EXPECT_NEAR(p.x, 100, 1);
    EXPECT_NEAR(p.y, 160, 1);
    EXPECT_EQ(colourName(pixelAt(view->picture(), p)), colourName(kBlue));
    const QJsonObject extents = view->shows()[QStringLiteral("extents")].toObject();
    EXPECT_DOUBLE_EQ(extents[QStringLiteral("latitudeMax")].toDouble(),
                     app.gpsState().latitude + PlotExtents::kFirstMargin);
}

// The window's plot as it composes it (grid through the painter, dots and
// marker by the direct-pixel path, exclusive-or indicators), into a canvas
// of the view's logical size at `ratio`.
struct PlotLayers {
    bool grid = true;
    bool smooth = false;
};

QImage dotsPerMetreLike(QImage canvas, const QImage& like)
{
    canvas.setDotsPerMeterX(like.dotsPerMeterX());
    canvas.setDotsPerMeterY(like.dotsPerMeterY());
    return canvas;
}

// Pixels compared alone, whatever ratio each image is labelled with.
bool samePixels(QImage a, QImage b)
{
    a.setDevicePixelRatio(1);
    b.setDevicePixelRatio(1);
    return a == b;
}

TEST_F(SurveyViewTest, AtRatioTwoThePictureHasItsOwnDetailAndDotsCoverTheirLogicalPixels)
{
    survey().useLines = 1;
    survey().plotIndicatorSize = 1;
    const int offsets[][2] = {{0, 0}, {3, 1}, {-2, 4}, {1, -3}, {4, 2}, {-3, -1}, {2, 2}};
    for (const auto& o : offsets) fix(o[0], o[1], o[0] > 2 ? "4.0" : "1.0");
    const QImage window = view->picture();
    const std::optional<IndicatorGeometry> lsf =
        lsfIndicator(view->frame(), view->extents(), view->lsfFigures(), 1);
    const std::optional<IndicatorGeometry> mean =
        meanIndicator(view->frame(), view->extents(), view->meanFigures(), 1);
    ASSERT_TRUE(lsf && mean);

    auto compose = [&](qreal ratio, const PlotLayers& layers) {
        QImage canvas = dotsPerMetreLike(pictureCanvas(window.size(), ratio), window);
        canvas.fill(Qt::white);
        const SurveyPlotStyle style = screenSurveyPlotStyle(canvas.logicalDpiX(), layers.smooth);
        if (layers.grid) {
            QPainter painter(&canvas);
            setSmoothing(painter, layers.smooth);
            paintSurveyGrid(painter, view->frame(), view->extents(), app.store, style);
        }
        SurveyPlotTrail trail;
        plotSurveySamples(canvas, trail, view->frame(), view->extents(), survey());
        toggleSurveyMarker(canvas, view->marker());
        QPainter painter(&canvas);
        setSmoothing(painter, layers.smooth);
        paintSurveyIndicators(painter, lsf, mean, view->frame().square, style);
        return canvas;
    };

    // The direct-pixel path alone: every dot, line and marker pixel at 2x is
    // exactly the 2x2 block under its 1x pixel.
    const PlotLayers dotsOnly{false, false};
    QImage dots1 = compose(1, dotsOnly);
    QImage dots2 = compose(2, dotsOnly);
    // The indicators' curves are drawn finer: take them off again first.
    for (QImage* canvas : {&dots1, &dots2}) {
        QPainter painter(canvas);
        paintSurveyIndicators(painter, lsf, mean, view->frame().square,
                                  screenSurveyPlotStyle(96));
    }
    ASSERT_EQ(dots2.size(), window.size() * 2);
    EXPECT_TRUE(samePixels(
        dots2, dots1.scaled(dots2.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));

    for (const bool smooth : {false, true}) {
        SCOPED_TRACE(smooth ? "smooth" : "plain");
        const QImage at1 = compose(1, {true, smooth});
        QImage at2 = compose(2, {true, smooth});
        if (!smooth) test::savePicture(at2, "survey-plot-ratio2.png");
        const QImage stretched =
            at1.scaled(at2.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_FALSE(samePixels(at2, stretched));
        // Text, ellipses and the turned labels put their edges on single
        // physical pixels.
        EXPECT_GT(test::mixedBlocks(at2), 200);
        EXPECT_EQ(test::mixedBlocks(stretched), 0);

        // The indicators and the marker still erase exactly at 2x.
        const QImage drawn = at2;
        QPainter painter(&at2);
        setSmoothing(painter, smooth);
        paintSurveyIndicators(painter, lsf, mean, view->frame().square,
                              screenSurveyPlotStyle(96, smooth));
        painter.end();
        toggleSurveyMarker(at2, view->marker());
        EXPECT_FALSE(samePixels(at2, drawn));
        QPainter again(&at2);
        setSmoothing(again, smooth);
        paintSurveyIndicators(again, lsf, mean, view->frame().square,
                              screenSurveyPlotStyle(96, smooth));
        again.end();
        toggleSurveyMarker(at2, view->marker());
        EXPECT_TRUE(samePixels(at2, drawn));
    }
}

TEST_F(SurveyViewTest, SmoothDrawingRedrawsTheLabelsSmoothedAndLeavesTheIndicatorsExclusiveOr)
{
    survey().useLines = 1;
    const int offsets[][2] = {{0, 0}, {3, 1}, {-2, 4}, {1, -3}, {4, 2}, {-3, -1}, {2, 2}};
    for (const auto& o : offsets) fix(o[0], o[1]);
    const QImage plain = view->picture();

    writeSetting(app.store, settings::general::kSmoothDrawing, 1);
    view->tick(); // no sample: the tick alone notices the setting
    const QImage smooth = view->picture();
    test::savePicture(smooth, "survey-plot-smooth.png");
    ASSERT_EQ(smooth.size(), plain.size());
    // Smoothed text leaves shades between the grey and the ground: colours
    // the plain picture has none of.
    const auto colours = [](const QImage& image) {
        return test::distinctColours(image, image.rect());
    };
    EXPECT_FALSE(smooth == plain);
    EXPECT_GT(colours(smooth), colours(plain) + 5);
    // The blue lines between the dots blend into the ground.
    auto blueBlends = [](const QImage& image) {
        return test::countPixels(image, image.rect(), [](QRgb p) {
            return p != kBlue && qBlue(p) > qRed(p) && qBlue(p) > qGreen(p);
        });
    };
    EXPECT_GT(blueBlends(smooth), blueBlends(plain) + 10);


    // Turning an indicator off changes only its own pixels, each by its
    // exclusive-or colour: it is drawn unsmoothed.
    doc->toggleLsfIndicator();
    EXPECT_GT(test::exclusiveOrChanges(smooth, view->picture(), 0x00ffffffu), 20);
    doc->toggleLsfIndicator();
    EXPECT_TRUE(view->picture() == smooth);

    writeSetting(app.store, settings::general::kSmoothDrawing, 0);
    view->tick();
    EXPECT_TRUE(view->picture() == plain) << "off again, the picture is the plain one";

    // Smoothed, a live sample's line and dot land as a full repaint draws
    // them.
    writeSetting(app.store, settings::general::kSmoothDrawing, 1);
    view->tick();
    view->picture(); // drawn smoothed, so that the next fix is drawn live
    const std::uint32_t stored = survey().sampleCount();
    fix(-1, 3);
    ASSERT_EQ(survey().sampleCount(), stored + 1);
    const QImage live = view->picture();
    EXPECT_FALSE(live == smooth);
    EXPECT_TRUE(live == repainted());
}

} // namespace
} // namespace orbilunex
