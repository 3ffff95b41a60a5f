#pragma once

#include "framework/HostView.h"
#include "settings/Setting.h"

#include <QString>

#include <string>

namespace orbilunex {

class CGaugeWnd;

// Hands "Smooth drawing" as stored now to `control`, which draws itself
// again when it changed.
void followSmoothDrawing(AppContext& app, CGaugeWnd& control);

// A unit label read from the settings, kept as the text a control takes.
// The text is built again only when the label read differs, so that reading
// the same label allocates nothing.
class KeptLabel {
public:
    const QString& follow(const std::string& label)
    {
        if (!known || label != source) {
            source = label;
            text = QString::fromStdString(label);
            known = true;
        }
        return text;
    }
    const QString& operator()() const { return text; }

private:
    std::string source;
    QString text;
    bool known = false;
};

// The view of a polling gauge: a timer every 100 ms with smoothing on and
// every 1000 ms with it off, and the "Enable &Filter" command that switches
// both. A tick reads the decoded state and the settings only when either may
// have changed (inputsChanged) and keeps what it read; with the filter off a
// tick with nothing new does nothing, with it on the filter still takes its
// step toward the last sample. The control then redraws only if the picture
// would visibly change.
class CGaugeView : public CHostView {
    Q_OBJECT

public:
    static constexpr int kFilteredPollMs = 100;
    static constexpr int kPlainPollMs = 1000;

    // Reads `filterSetting` (the gauge section's "Filter") and starts the
    // poll: fast when the flag is 1, or any value but 0 where
    // `fastWhenNonZero` (the speedometer and the vertical speed indicator).
    CGaugeView(CDocument* document, AppContext& app, const IntSetting& filterSetting,
               bool fastWhenNonZero);

    int filterFlag() const { return filter; }

    // "Enable &Filter": restarts the poll at 1000 ms if the flag was 1, else
    // at 100 ms; flips the flag (1 unless it was 1); writes it at once.
    void toggleFilter();

    // The filter flag; gauges add their values.
    QJsonObject shows() const override;

protected:
    // The "Enable &Filter" item, checked while the flag is 1.
    void addFilterItem(QMenu& menu);

private:
    IntSetting filterKey;
    int filter = 0;
};

} // namespace orbilunex
