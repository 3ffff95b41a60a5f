#include "framework/Document.h"
#include "settings/SignalQualitySettings.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "views/signalquality/SignalQualityPainter.h"
#include "views/signalquality/SignalBarsWnd.h"
#include "views/signalquality/SignalQualityDoc.h"
#include "views/signalquality/SignalQualityPropertySheet.h"
#include "views/signalquality/SignalQualityView.h"
#include "views/signalquality/SignalQualityKind.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>

#include <memory>
#include <vector>

namespace orbilunex {
namespace {

using test::colourName;
using test::FakeAppContext;

struct Satellite {
    int prn;
    int snr;
};

// GSA naming the used PRNs, then GSV messages of four satellites each.
std::string skyOf(const std::vector<Satellite>& satellites, const std::vector<int>& used)
{
    std::string bodies = "GPGSA,A,3";
    for (std::size_t i = 0; i < 12; ++i)
        bodies += "," + (i < used.size() ? std::to_string(used[i]) : std::string());
    bodies += ",1.8,1.0,1.5\n";
    const int messages = static_cast<int>((satellites.size() + 3) / 4);
    for (int m = 0; m < messages; ++m) {
        bodies += "GPGSV," + std::to_string(messages) + "," + std::to_string(m + 1) + "," +
                  std::to_string(satellites.size());
        for (std::size_t i = m * 4u; i < satellites.size() && i < m * 4u + 4; ++i)
            bodies += "," + std::to_string(satellites[i].prn) + ",45,100," +
                      std::to_string(satellites[i].snr);
        bodies += "\n";
    }
    bodies.pop_back();
    return bodies;
}

class SignalWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tmpl.kind = &kSignalQualityKind.kind;
        document = std::make_unique<CSignalQualityDoc>(tmpl, app);
    }

    std::unique_ptr<CSignalQualityView> openView(int width = 602, int height = 300)
    {
        auto view = std::make_unique<CSignalQualityView>(document.get(), app);
        view->resize(width, height);
        view->show();
        return view;
    }

    static QImage picture(CSignalQualityView& view)
    {
        return view.barsWindow()->grab().toImage();
    }

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CDocument> document;
};

TEST_F(SignalWindowTest, BarsFillToTheirLevelInTheColourOfTheirUse)
{
    app.store.setInt("SignalQuality", "EnableAutoTrack", 0);
    app.store.setInt("SignalQuality", "LowerThreshold", 30);
    app.store.setInt("SignalQuality", "UpperThreshold", 60);
    auto view = openView();
    app.receive(
        skyOf({{3, 20}, {7, 45}, {9, 70}, {11, 45}, {14, 58}, {16, 31}}, {3, 7, 9, 14, 16}));
    view->tick();
    const QImage image = picture(*view);
    const SignalQualityLayout& layout = view->barsWindow()->drawnLayout();
    const SignalQualityPalette colours = signalQualityPalette(view->barsWindow()->palette());
    ASSERT_EQ(layout.barCount, 6);

    struct Case {
        int bar;
        QColor lowRow;  // just above the bar's bottom
        QColor highRow; // just below the bar's top
        const char* legend;
    };
    const Case cases[] = {
        {0, colours.buttonFace, colours.buttonFace, "below the lower threshold: empty"},
        {1, colours.highlight, colours.buttonFace, "half way, used"},
        {2, colours.highlight, colours.highlight, "above the upper threshold: full"},
        {3, colours.greyText, colours.buttonFace, "half way, not used"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        const PixelRect& bar = layout.bars[c.bar].bar;
        const int x = bar.left + 2; // clear of the centred label
        EXPECT_EQ(colourName(image.pixel(x, bar.bottom - 1)), colourName(c.lowRow.rgb()));
        EXPECT_EQ(colourName(image.pixel(x, bar.top + 1)), colourName(c.highRow.rgb()));
    }
    const PixelRect& frame = layout.bars[1].frame;
    EXPECT_EQ(colourName(image.pixel(frame.left, frame.top + 5)),
              colourName(colours.darkShadow.rgb()));
    EXPECT_EQ(colourName(image.pixel(frame.right - 1, frame.top + 5)),
              colourName(colours.buttonHighlight.rgb()));

    // The SNR is drawn inside a tall level and clipped to a low one.
    const QRgb labelColour = colours.highlightText.rgb();
    auto labelPixels = [&](const PixelRect& r) {
        return test::countPixels(image, QRect(r.left, r.top, r.width(), r.height()),
                                 [labelColour](QRgb p) { return p == labelColour; });
    };
    const SignalBarGeometry& tall = layout.bars[4];
    EXPECT_GT(labelPixels(tall.label), 5) << "58 shows inside its bar";
    const SignalBarGeometry& low = layout.bars[5];
    ASSERT_LT(low.filledHeight, 12) << "the level is lower than a text line";
    // The row between the frame and the PRN box is left alone: a label
    // running on below its level would show there.
    EXPECT_EQ(labelPixels({low.bar.left, low.bar.bottom + 1, low.bar.right, low.bar.bottom + 2}),
              0)
        << "the label is cut at the bar's bottom";
}

TEST_F(SignalWindowTest, ChangingTheBarCountErasesTheOldLayout)
{
    app.store.setInt("SignalQuality", "EnableAutoTrack", 0);
    auto view = openView();
    std::vector<Satellite> twelve;
    for (int prn = 1; prn <= 12; ++prn) twelve.push_back({prn, 70});
    app.receive(skyOf(twelve, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    view->tick();
    QImage image = picture(*view);
    const SignalQualityPalette colours = signalQualityPalette(view->barsWindow()->palette());
    // Slots of 50 (twelve) and 66 (nine) pixels: x = 66 is inside the second
    // of twelve full bars, and in the gap between the first two of nine.
    const int x = 66;
    const int y = view->barsWindow()->drawnLayout().bars[1].bar.bottom - 5;
    ASSERT_EQ(colourName(image.pixel(x, y)), colourName(colours.highlight.rgb()));

    app.receive(skyOf({{1, 70}, {2, 70}, {3, 70}, {4, 70}, {5, 70}, {6, 70}, {7, 70}, {8, 70},
                       {9, 70}},
                      {}));
    view->tick();
    image = picture(*view);
    EXPECT_EQ(view->barsWindow()->drawnLayout().slotWidth, 66);
    EXPECT_EQ(colourName(image.pixel(x, y)), colourName(colours.buttonFace.rgb()));
}

TEST_F(SignalWindowTest, MenuResetsTheExtremesAndTheSheetStoresInOrder)
{
    auto view = openView();
    std::unique_ptr<QMenu> menu(view->buildContextMenu());
    QStringList items;
    for (QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"&Reset Observed Min/Max", "-", "&Properties"}));

    SignalQualityModel& model = view->barsWindow()->model();
    model.observedMax = 50;
    model.observedMin = 20;
    menu->actions()[0]->trigger();
    EXPECT_EQ(model.observedMax, -999);
    EXPECT_EQ(model.observedMin, 999);

    // Auto-track before any SNR: the tracked thresholds are no thresholds to
    // store, and the disabled fields are not held against OK.
    app.asker.dialogs.push_back([](QDialog& d) {
        auto& sheet = dynamic_cast<CSignalQualityPropertySheet&>(d);
        EXPECT_EQ(sheet.windowTitle(), "Signal Quality Property Sheet");
        EXPECT_FALSE(sheet.page()->upperEdit()->isEnabled());
        sheet.accept();
        return sheet.result() == QDialog::Accepted;
    });
    model.upperThreshold = -999;
    model.lowerThreshold = 999;
    view->showProperties();
    EXPECT_FALSE(app.store.contains("SignalQuality", "UpperThreshold"));
    EXPECT_EQ(app.store.getInt("SignalQuality", "EnableAutoTrack", -1), 1);
    EXPECT_TRUE(app.asker.messages.isEmpty());

    // Unticked: both fields are checked, lower first; then stored.
    app.asker.dialogs.push_back([this](QDialog& d) {
        auto& sheet = dynamic_cast<CSignalQualityPropertySheet&>(d);
        CSignalQualityPropertyPage1* page = sheet.page();
        page->autoTrackBox()->click();
        EXPECT_TRUE(page->upperEdit()->isEnabled()) << "enabled as the box is cleared";
        page->upperEdit()->setText(QStringLiteral("100"));
        page->lowerEdit()->setText(QStringLiteral("x"));
        sheet.accept();
        EXPECT_EQ(app.asker.messages, QStringList{"Please enter an integer."});
        page->lowerEdit()->setText(QStringLiteral("25"));
        sheet.accept();
        EXPECT_EQ(app.asker.messages.last(), "Please enter an integer between 0 and 99.");
        EXPECT_EQ(sheet.focusWidget(), page->upperEdit());
        page->upperEdit()->setText(QStringLiteral("55"));
        sheet.accept();
        return sheet.result() == QDialog::Accepted;
    });
    view->showProperties();
    EXPECT_EQ(model.upperThreshold, 55);
    EXPECT_EQ(model.lowerThreshold, 25);
    EXPECT_EQ(model.autoTrack, 0);
    EXPECT_EQ(readSetting(app.store, settings::signalquality::kUpperThreshold), 55);
    EXPECT_EQ(readSetting(app.store, settings::signalquality::kLowerThreshold), 25);
    EXPECT_EQ(readSetting(app.store, settings::signalquality::kAutoTrack), 0);
}

TEST_F(SignalWindowTest, ShowsWhatTheBarsWereDrawnWith)
{
    app.store.setInt("SignalQuality", "EnableAutoTrack", 0);
    auto view = openView();
    app.receive(skyOf({{5, 45}, {6, 0}}, {5}));
    view->tick();
    (void)picture(*view); // a paint, as the screen would have
    const QJsonObject shows = view->shows();
    EXPECT_EQ(shows.value("barCount").toInt(), 2);
    const QJsonObject first = shows.value("bars").toArray().at(0).toObject();
    EXPECT_EQ(first.value("prn").toInt(), 5);
    EXPECT_EQ(first.value("snr").toInt(), 45);
    EXPECT_EQ(first.value("used").toInt(), 1);
    const int height = first.value("height").toInt();
    EXPECT_GT(height, 0);
    EXPECT_LT(height, view->barsWindow()->drawnLayout().bars[0].bar.height());
    EXPECT_EQ(shows.value("bars").toArray().at(1).toObject().value("height").toInt(), 0);
}

} // namespace
} // namespace orbilunex
