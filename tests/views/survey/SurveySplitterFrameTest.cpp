#include "models/survey/panes/SurveyPanes.h"
#include "settings/SurveySettings.h"
#include "tests/common/FakeAppContext.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyKind.h"
#include "views/survey/SurveySplitterFrame.h"
#include "views/survey/SurveyStatsView.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSplitter>
#include <QTemporaryDir>

#include <memory>

namespace orbilunex {
namespace {

TEST(SurveySplitterFrame, SmallWindowsKeepThePanesReadableAndTheStoredSplit)
{
    test::FakeAppContext app;
    DocTemplate tmpl;
    tmpl.kind = &kSurveyKind.kind;
    CSurveyDoc doc(tmpl, app);
    auto frame = std::make_unique<CSurveySplitterFrame>(&doc, app);
    frame->show();

    // The default window: the stored 300-pixel plot would leave the
    // statistics and the chart 30 pixels; they get 120.
    frame->resize(480, 360);
    EXPECT_GE(frame->statsView()->height(), kSurveyMinLowerHeight);
    EXPECT_EQ(frame->plotHeight() + frame->statsView()->height() +
                  frame->findChild<QSplitter*>()->handleWidth(),
              360);
    EXPECT_EQ(readSetting(app.store, settings::survey::kFramePane), 300) << "kept as stored";

    // A larger window gets the stored split back.
    frame->resize(900, 800);
    EXPECT_EQ(frame->plotHeight(), 300);
    EXPECT_EQ(frame->chartWidth(), 150);

    // A split the user drags is stored, and holds from then on.
    auto* rows = frame->findChild<QSplitter*>();
    ASSERT_EQ(rows->orientation(), Qt::Vertical);
    rows->setSizes({420, 800 - 420 - rows->handleWidth()});
    emit rows->splitterMoved(420, 1);
    EXPECT_EQ(readSetting(app.store, settings::survey::kFramePane), 420);
    frame->resize(900, 700);
    EXPECT_EQ(frame->plotHeight(), 420);
}

TEST(SurveySplitterFrame, ExportWritesTheChosenFormatOrSaysWhyNot)
{
    test::FakeAppContext app;
    DocTemplate tmpl;
    tmpl.kind = &kSurveyKind.kind;
    CSurveyDoc doc(tmpl, app);
    for (int i = 0; i < 5; ++i) doc.addSample(47.2768 + i * 1e-6, 11.3481, 600.0, 17, 1, 10, 10);
    CSurveySplitterFrame frame(&doc, app);
    EXPECT_EQ(frame.exportMenuText(), "E&xport Survey...");
    QTemporaryDir folder;

    const QString gpx = folder.filePath(QStringLiteral("survey.gpx"));
    app.asker.files.push_back(gpx);
    frame.exportData();
    QFile written(gpx);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    EXPECT_TRUE(text.contains("<gpx") && text.contains("<trkpt")) << text.left(200).constData();
    EXPECT_TRUE(app.asker.messages.isEmpty());

    struct Case {
        QString name;
        const char* said;
    };
    const Case refused[] = {
        {folder.filePath(QStringLiteral("survey.txt")), "export to"},
        {folder.filePath(QStringLiteral("missing/survey.csv")), "survey.csv"},
    };
    for (const Case& c : refused) {
        app.asker.messages.clear();
        app.asker.files.push_back(c.name);
        frame.exportData();
        ASSERT_EQ(app.asker.messages.size(), 1) << c.name.toStdString();
        EXPECT_TRUE(app.asker.messages[0].contains(QLatin1String(c.said)))
            << app.asker.messages[0].toStdString();
        EXPECT_FALSE(QFile::exists(c.name));
    }
}

} // namespace
} // namespace orbilunex
