#include "models/survey/elevation/ElevationScale.h"

#include "format/FixedText.h"
#include "format/Units.h"
#include "survey/SurveySample.h"

namespace orbilunex {

namespace {

// Truncation toward zero that saturates: a wild altitude against a fine
// scale must not reach a plain cast.
int trunc(double value)
{
    return truncateToInt32(value);
}

// Centimetres to the user's altitude unit as the chart labels show it.
double shownAltitude(const SettingsStore& settings, double centimetres)
{
    return convertAltitude(settings, centimetres * 0.01);
}

} // namespace

PixelRect elevationChartRect(const PixelRect& client)
{
    return {client.left, client.top + 2, client.right, client.bottom - 2};
}

void rescaleElevation(ElevationScale& scale, std::uint32_t sampleCount,
                      std::int32_t altitudeMax, std::int32_t altitudeMin)
{
    const PixelRect& c = scale.chart;
    if (sampleCount != 0)
        scale.xStep = static_cast<double>(c.right - c.left - kElevationRightMargin) / sampleCount;
    if (altitudeMax < altitudeMin) {
        // No altitude yet (an empty survey's sentinels): no scale, so that
        // the grid and the cursor show no number made of them.
        scale.yScale = 0;
    } else if (altitudeMax != altitudeMin) {
        // In 64 bits: the span of two saturated altitudes overflows 32.
        const std::int64_t span = static_cast<std::int64_t>(altitudeMax) - altitudeMin;
        scale.yScale = static_cast<double>(c.bottom - c.top) /
                       static_cast<double>(span < 0 ? -span : span);
    }
}

PixelPoint elevationPoint(const ElevationScale& scale, int index, std::int32_t altitudeCm,
                          std::int32_t altitudeMin)
{
    const double above = static_cast<double>(altitudeCm) - static_cast<double>(altitudeMin);
    return {scale.chart.left + trunc(index * scale.xStep),
            scale.chart.bottom - trunc(above * scale.yScale)};
}

int elevationLineY(const ElevationScale& scale, double metres, std::int32_t altitudeMin)
{
    return scale.chart.bottom - trunc((metres * 100 - altitudeMin) * scale.yScale);
}

std::vector<ElevationGridLine> elevationGrid(const ElevationScale& scale,
                                             std::int32_t altitudeMax,
                                             const SettingsStore& settings)
{
    const PixelRect& c = scale.chart;
    std::vector<ElevationGridLine> lines(kElevationGridLines);
    for (int i = 0; i < kElevationGridLines; ++i) {
        ElevationGridLine& line = lines[static_cast<std::size_t>(i)];
        line.y = c.bottom - trunc((c.bottom - c.top) * 0.1 * i);
        if (scale.yScale == 0) continue;
        line.labelled = true;
        const double cm = altitudeMax - (line.y - c.top) / scale.yScale;
        line.label = fixedText(shownAltitude(settings, cm), 2, 0);
    }
    return lines;
}

int elevationLabelTop(const ElevationScale& scale, int lineY, int textHeight)
{
    return lineY + textHeight > scale.chart.bottom ? lineY - textHeight : lineY;
}

std::string elevationCursorText(const ElevationScale& scale, int cursorY,
                                std::int32_t altitudeMax, const SettingsStore& settings)
{
    if (scale.yScale == 0) return {};
    std::string number =
        fixedText(shownAltitude(settings, altitudeMax - cursorY / scale.yScale), 2, 0);
    // "%8.02f" pads with blanks; fixedText's width pads with zeros.
    if (number.size() < 8) number.insert(0, 8 - number.size(), ' ');
    return "Elevation: " + number + " " + altitudeUnitLabel(settings) + "     ";
}

} // namespace orbilunex
