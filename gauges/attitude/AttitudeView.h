#pragma once

#include "framework/HostView.h"

namespace orbilunex {

class CAttitudeWnd;

// The Attitude window: the indicator filling the view. Nothing feeds it, so
// the view has no timer, no settings and no menu.
class CAttitudeView : public CHostView {
    Q_OBJECT

public:
    CAttitudeView(CDocument* document, AppContext& app);

    CAttitudeWnd* indicator() const { return control; }

    // The roll and pitch the indicator draws with.
    QJsonObject shows() const override;

private:
    CAttitudeWnd* control;
};

} // namespace orbilunex
