#pragma once

#include "framework/HostView.h"

namespace orbilunex {

class CAttitudeWnd;

// The Attitude window: the indicator filling the view. Nothing feeds it, so
// the view has no timer, no settings of its own and no menu; it takes
// "Smooth drawing" when opened and at a tick run on demand.
class CAttitudeView : public CHostView {
    Q_OBJECT

public:
    CAttitudeView(CDocument* document, AppContext& app);

    CAttitudeWnd* indicator() const { return control; }

    // The roll and pitch the indicator draws with.
    QJsonObject shows() const override;

protected:
    void onTick() override;

private:
    CAttitudeWnd* control;
};

} // namespace orbilunex
