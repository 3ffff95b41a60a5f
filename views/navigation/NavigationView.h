#pragma once

#include "framework/HostView.h"

namespace orbilunex {

class CNavigationWnd;

// Latitude, longitude and altitude in large text, in the units of the
// general settings. Once a second, if a sentence or a setting came in, a
// text that changed is drawn over the last. No context menu, nothing to
// print.
class CNavigationView : public CHostView {
    Q_OBJECT

public:
    static constexpr int kTickMs = 1000;

    CNavigationView(CDocument* document, AppContext& app);

    CNavigationWnd* textWindow() const;


    bool allowsPrinting() const override { return false; }
    // "text": the text exactly as last drawn.
    QJsonObject shows() const override;

protected:
    // One tick: the text of the state now, drawn without erasing when it
    // differs from the text on screen.
    void onTick() override;

private:
    CNavigationWnd* textWnd;
};

} // namespace orbilunex
