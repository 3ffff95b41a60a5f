#pragma once

#include "framework/HostView.h"
#include "models/survey/stats/SurveyStatsText.h"

#include <QFont>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QScrollArea;

namespace orbilunex {

class CSurveyDoc;

// The three faces of the statistics text: Arial whose line (ascent plus
// descent) is 12 pixels, regular, bold and italic.
struct SurveyStatsFonts {
    QFont regular;
    QFont bold;
    QFont italic;
};
SurveyStatsFonts surveyStatsFonts();

// The statistics text itself, inside the pane's scroll area: at each paint
// it asks for the pane's rows as they stand now, draws them on the button
// face and keeps them, so that what the pane reports is what it last drew.
// It is as large as the text's scrolling area (63 characters by as many
// lines as the rows take), and grows or shrinks with them.
class CSurveyStatsWnd : public QWidget {
    Q_OBJECT

public:
    explicit CSurveyStatsWnd(std::function<SurveyStatsPane()> build, QWidget* parent = nullptr);

    // The regular font's text height and average character width, in pixels:
    // the grid the rows are placed on.
    int textHeight() const { return lineHeight; }
    int charWidth() const { return averageWidth; }

    // Makes the text as tall as `lines` lines, so that a block that comes
    // is drawn whole at the next paint and the scroll area reaches it.
    void fitLines(int lines);

    // What the last paint drew; none before the first.
    const std::optional<SurveyStatsPane>& lastDrawn() const { return drawn; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<SurveyStatsPane()> buildPane;
    SurveyStatsFonts fonts;
    int lineHeight = 0;
    int averageWidth = 0;
    std::optional<SurveyStatsPane> drawn;
};

// The survey window's statistics pane: the mean and least-squares averages
// with their spreads, the sample counts, the receiver's current DOPs, the
// HDOP class shares, the accuracy and the errors from the reference,
// looked at every second and redrawn when they changed, scrollable. The
// accuracy walks every sample, so it is kept until the survey or a setting
// changes. Its context menu is the survey menu.
class CSurveyStatsView : public CHostView {
    Q_OBJECT

public:
    CSurveyStatsView(CSurveyDoc* document, AppContext& app);

    CSurveyDoc* surveyDocument() const;
    // What "&Properties" in the context menu runs (the window wires it).
    void setPropertiesHandler(std::function<void()> handler);

    QScrollArea* scrollArea() const { return scroller; }
    CSurveyStatsWnd* textWindow() const { return text; }

    void onUpdate(CView* sender) override;

    // The figures of the last drawing; empty before the pane was drawn.
    QJsonObject shows() const override;

protected:
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;

private:
    SurveyStatsPane currentPane() const;

    // Filled as the pane is built, which the paint does from a const view.
    mutable SurveyStatsAccuracyCache accuracy;
    QScrollArea* scroller;
    CSurveyStatsWnd* text;
    std::function<void()> propertiesHandler;
    // The survey's sample count as the last tick saw it.
    std::uint32_t samplesSeen = 0;
};

} // namespace orbilunex
