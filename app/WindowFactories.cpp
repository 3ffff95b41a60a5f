#include "app/WindowFactories.h"

#include "framework/PlaceholderView.h"
#include "gauges/altimeter/AltimeterDoc.h"
#include "gauges/altimeter/AltimeterView.h"
#include "gauges/attitude/AttitudeDoc.h"
#include "gauges/attitude/AttitudeView.h"
#include "gauges/compass/CompassDoc.h"
#include "gauges/compass/CompassView.h"
#include "gauges/speedometer/SpeedometerDoc.h"
#include "gauges/speedometer/SpeedometerView.h"
#include "gauges/vspeed/VerticalSpeedDoc.h"
#include "gauges/vspeed/VerticalSpeedView.h"
#include "shell/WindowKinds.h"
#include "views/monitor/CommandMonitorDoc.h"
#include "views/monitor/CommandMonitorView.h"
#include "views/navigation/NavigationDoc.h"
#include "views/navigation/NavigationView.h"
#include "views/signal/SignalQualityDoc.h"
#include "views/signal/SignalQualityView.h"
#include "views/sky/AzimuthElevationDoc.h"
#include "views/sky/AzimuthElevationView.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveySplitterFrame.h"

namespace orbilunex {

namespace {

template <typename Document, typename View>
DocTemplate templateOf(const WindowKind* kind)
{
    DocTemplate t;
    t.kind = kind;
    t.createDocument = [](const DocTemplate& tmpl, AppContext& app) {
        return new Document(tmpl, app);
    };
    t.createView = [](CDocument* document, AppContext& app) { return new View(document, app); };
    return t;
}

} // namespace

DocTemplate makeDocTemplate(int kindCode)
{
    const WindowKind* kind = kindByCode(kindCode);
    switch (kindCode) {
    case kinds::kSkyPlot: return templateOf<CAzimuthElevationDoc, CAzimuthElevationView>(kind);
    case kinds::kSignalQuality: return templateOf<CSignalQualityDoc, CSignalQualityView>(kind);
    case kinds::kNavigation: return templateOf<CNavigationDoc, CNavigationView>(kind);
    case kinds::kCommandMonitor:
        return templateOf<CCommandMonitorDoc, CCommandMonitorView>(kind);
    case kinds::kCompass: return templateOf<CCompassDoc, CCompassView>(kind);
    case kinds::kAltimeter: return templateOf<CAltimeterDoc, CAltimeterView>(kind);
    case kinds::kSpeedometer: return templateOf<CSpeedometerDoc, CSpeedometerView>(kind);
    case kinds::kVerticalSpeed:
        return templateOf<CVerticalSpeedDoc, CVerticalSpeedView>(kind);
    case kinds::kAttitude: return templateOf<CAttitudeDoc, CAttitudeView>(kind);
    case kinds::kSurvey: return templateOf<CSurveyDoc, CSurveySplitterFrame>(kind);
    default: break;
    }
    DocTemplate t;
    t.kind = kind;
    t.createDocument = [](const DocTemplate& tmpl, AppContext& app) {
        return new CPlaceholderDocument(tmpl, app);
    };
    t.createView = [](CDocument* document, AppContext& app) {
        return new CPlaceholderView(document, app);
    };
    return t;
}

} // namespace orbilunex
