#include "settings/DisplaySettings.h"
#include "tests/common/EventPump.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PaintCounter.h"
#include "tests/common/PixelProbe.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyStatsView.h"
#include "views/survey/SurveyKind.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QJsonArray>
#include <QScrollArea>
#include <QScrollBar>

#include <memory>
#include <stdexcept>

namespace orbilunex {
namespace {

using test::FakeAppContext;

// Darker than the button face by far: text ink (antialiased edges included).
bool isInk(QRgb rgb)
{
    return qGray(rgb) < 140;
}

class SurveyStatsViewTest : public ::testing::Test {
protected:
    SurveyStatsViewTest()
    {
        tmpl.kind = &kSurveyKind.kind;
        doc = std::make_unique<CSurveyDoc>(tmpl, app);
    }

    // 30 samples: HDOP 0.8 for 15, 1.5 for 9 and 2.5 for 6 (limit 3.0 takes
    // them all); VDOP 4.0 for every fifth, over the limit for altitude.
    void addKnownSurvey()
    {
        for (int i = 0; i < 30; ++i) {
            const std::uint16_t hdop10 = i < 15 ? 8 : i < 24 ? 15 : 25;
            const std::uint16_t vdop10 = i % 5 == 0 ? 40 : 12;
            doc->addSample(47.2768 + (i % 7) * 2e-6, 11.3481 - (i % 4) * 3e-6, 600.5 + i * 0.02,
                           18, 1, hdop10, vdop10);
        }
    }

    static const SurveyStatsRow& rowOnLine(const SurveyStatsPane& pane, int line)
    {
        for (const SurveyStatsRow& row : pane.rows)
            if (row.line == line) return row;
        throw std::runtime_error("no row on line " + std::to_string(line));
    }

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CSurveyDoc> doc;
};

TEST_F(SurveyStatsViewTest, RowsAreDrawnWhereTheirLineAndColumnPutThem)
{
    addKnownSurvey();
    // The receiver's GSA DOPs show, not the GGA's HDOP.
    app.receive("GPGGA,101500.00,4716.6080,N,01120.8860,E,1,08,0.9,600.5,M,47.0,M,,\n"
                "GPGSA,A,3,05,11,12,,,,,,,,,,1.8,1.1,1.5");
    CSurveyStatsView view(doc.get(), app);
    view.resize(900, 400);
    view.show();
    CSurveyStatsWnd* text = view.textWindow();
    const QImage image = text->grab().toImage();
    test::savePicture(image, "survey-stats.png");
    ASSERT_TRUE(text->lastDrawn().has_value());
    const SurveyStatsPane& pane = *text->lastDrawn();
    ASSERT_EQ(pane.rows.size(), 24u) << "the classic rows and the accuracy block";

    const int h = text->textHeight();
    const int w = text->charWidth();
    const SurveyStatsFonts fonts = surveyStatsFonts();
    EXPECT_GE(h, 11);
    EXPECT_LE(h, 12) << "a line of at most 12 pixels";
    const QRect area(QPoint(0, 0), text->size());
    EXPECT_EQ(area, QRect(0, 0, 63 * w, 28 * h + 3)) << "the text's scrolling area";

    // The text's box from its first inked character: blanks in front ink
    // nothing, so the box starts where they end.
    auto box = [&](int line, int column, const std::string& s, const QFont& font) {
        const QFontMetrics m(font, text);
        const QString t = QString::fromStdString(s);
        const QString inked = t.trimmed();
        const int lead = m.horizontalAdvance(t.left(t.indexOf(inked)));
        const PixelPoint p = statsTextPoint(line, column, h, w);
        return QRect(p.x + lead, p.y, m.horizontalAdvance(inked), h);
    };
    for (const SurveyStatsRow& row : pane.rows) {
        SCOPED_TRACE(row.label);
        const QFont& labelFont = row.heading ? fonts.bold : fonts.regular;
        const QRect label = box(row.line, 0, row.label, labelFont);
        EXPECT_GT(test::countPixels(image, label, isInk), 4);
        if (row.value.empty()) continue;
        const QRect value = box(row.line, row.valueColumn, row.value, fonts.italic);
        EXPECT_GT(test::countPixels(image, value, isInk), 4);
        // Between the label and its value only the button face.
        const QRect gap(label.right() + 3, label.top(), value.left() - label.right() - 5, h);
        if (gap.width() > 0) {
            EXPECT_EQ(test::countPixels(image, gap, isInk), 0) << "value at its column";
        }
        if (row.spreadLabel.empty()) continue;
        EXPECT_GT(test::countPixels(image, box(row.line, kStatsSpreadLabelColumn,
                                               row.spreadLabel, fonts.regular),
                                    isInk),
                  4);
        EXPECT_GT(test::countPixels(image, box(row.line, kStatsSpreadValueColumn,
                                               row.spreadValue, fonts.italic),
                                    isInk),
                  4);
    }
    // The lines between the blocks stay empty.
    for (int line : {4, 9, 13, 21}) {
        const PixelPoint p = statsTextPoint(line, 0, h, w);
        EXPECT_EQ(test::countPixels(image, QRect(0, p.y + 1, area.width(), h - 2), isInk), 0)
            << "line " << line;
    }

    EXPECT_EQ(rowOnLine(pane, 15).value, "1.80     ");
    EXPECT_EQ(rowOnLine(pane, 16).value, "1.10     ") << "the GSA HDOP";
    EXPECT_EQ(rowOnLine(pane, 17).value, "1.50     ");
    EXPECT_EQ(rowOnLine(pane, 11).value, "30     ");
    EXPECT_EQ(rowOnLine(pane, 12).value, "24   ") << "six samples over the VDOP limit";
    EXPECT_EQ(rowOnLine(pane, 18).value, "(%50.0)     ");
    EXPECT_EQ(rowOnLine(pane, 19).value, "(%30.0)     ");
    EXPECT_EQ(rowOnLine(pane, 20).value, "(%20.0)     ");
}

TEST_F(SurveyStatsViewTest, ShowsReportsTheFiguresOfTheLastDrawing)
{
    addKnownSurvey();
    CSurveyStatsView view(doc.get(), app);
    EXPECT_TRUE(view.shows().isEmpty()) << "nothing drawn yet, nothing to report";
    view.resize(600, 300);
    view.show();
    view.textWindow()->grab();
    doc->addSample(47.3, 11.3, 700.0, 18, 1, 8, 12); // not drawn yet

    const QJsonObject shows = view.shows();
    EXPECT_EQ(shows.value(QStringLiteral("sampleCount")).toInt(), 30);
    EXPECT_EQ(shows.value(QStringLiteral("latLonSamples")).toInt(), 30);
    EXPECT_EQ(shows.value(QStringLiteral("altitudeSamples")).toInt(), 24);
    const QJsonArray shares = shows.value(QStringLiteral("hdopClassShares")).toArray();
    ASSERT_EQ(shares.size(), 3);
    EXPECT_DOUBLE_EQ(shares[0].toDouble(), 50.0);
    EXPECT_DOUBLE_EQ(shares[1].toDouble(), 30.0);
    EXPECT_DOUBLE_EQ(shares[2].toDouble(), 20.0);
    EXPECT_NEAR(shows.value(QStringLiteral("meanLatitude")).toDouble(),
                47.2768 + 2e-6 * 85 / 30, 1e-9);

    // The next second's redraw takes the new sample in, without being told.
    test::pumpFor(100); // the first exposure's paint, if still due
    const int before = view.shows().value(QStringLiteral("sampleCount")).toInt();
    doc->addSample(47.3, 11.3, 700.0, 18, 1, 8, 12);
    test::pumpFor(300);
    EXPECT_EQ(view.shows().value(QStringLiteral("sampleCount")).toInt(), before)
        << "no redraw before the second is up";
    ASSERT_TRUE(test::pumpUntil(
        [&] { return view.shows().value(QStringLiteral("sampleCount")).toInt() == 32; }, 2500));
}

// The plot pane's tick stores the samples, and no sentence or setting comes
// to this pane with them: its next tick still shows them.
TEST_F(SurveyStatsViewTest, ASampleStoredBetweenTicksShowsAtTheNext)
{
    CSurveyStatsView view(doc.get(), app);
    view.resize(600, 300);
    view.show();
    test::PaintCounter paints(view.textWindow());
    view.tick();
    paints.settle();

    doc->addSample(47.3, 11.3, 700.0, 18, 1, 8, 12);
    view.tick();
    EXPECT_GT(paints.settle(), 0);
    EXPECT_EQ(view.shows().value(QStringLiteral("sampleCount")).toInt(), 1);
}

TEST_F(SurveyStatsViewTest, EmptySurveyReadsZeroAndScrolls)
{
    writeSetting(app.store, settings::display::kUnits, unitsMetric);
    CSurveyStatsView view(doc.get(), app);
    view.resize(300, 120);
    view.show();
    test::pumpFor(50);
    test::savePicture(view.grab().toImage(), "survey-stats-small.png");
    ASSERT_TRUE(view.textWindow()->lastDrawn().has_value());
    const SurveyStatsPane& pane = *view.textWindow()->lastDrawn();
    EXPECT_EQ(rowOnLine(pane, 1).spreadValue, "0.000 m");
    for (int line : {18, 19, 20}) EXPECT_EQ(rowOnLine(pane, line).value, "(%0.0)     ");
    EXPECT_EQ(rowOnLine(pane, 11).value, "0     ");
    EXPECT_EQ(rowOnLine(pane, 12).value, "0   ");
    // A pane smaller than the text scrolls to all of it.
    QScrollBar* bar = view.scrollArea()->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GE(bar->maximum(), view.textWindow()->height() - view.height());
}

} // namespace
} // namespace orbilunex
