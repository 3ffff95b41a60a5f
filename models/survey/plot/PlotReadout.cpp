#include "models/survey/plot/PlotReadout.h"

#include "format/FixedText.h"
#include "format/GreatCircle.h"
#include "format/PositionText.h"
#include "format/Units.h"

namespace orbilunex {

SurveyPlotReadout surveyPlotReadout(const SettingsStore& settings, const SurveyPlotFrame& frame,
                                    const PlotExtents& extents, PixelPoint cursor,
                                    PixelPoint marker)
{
    SurveyPlotReadout r;
    // Nothing plotted: no position to read and no marker to measure from.
    if (extents.empty()) return r;
    r.cursorLatitude = surveyPlotLatitude(frame, extents, cursor.y);
    r.cursorLongitude = surveyPlotLongitude(frame, extents, cursor.x);
    r.markerLatitude = surveyPlotLatitude(frame, extents, marker.y);
    r.markerLongitude = surveyPlotLongitude(frame, extents, marker.x);

    const double statuteMiles = distanceNm(r.cursorLatitude, r.cursorLongitude, r.markerLatitude,
                                           r.markerLongitude) *
                                kStatuteMilesPerNauticalMile;
    r.distance = convertDistanceAuto(settings, statuteMiles);
    r.unit = distanceAutoUnitLabel(settings, statuteMiles);

    r.text = "Lat:" + formatLatitude(settings, r.cursorLatitude) +
             "    Lon:" + formatLongitude(settings, r.cursorLongitude) +
             "   Distance = " + fixedText(r.distance, 2, 0) + " " + r.unit;
    return r;
}

} // namespace orbilunex
