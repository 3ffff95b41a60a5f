#include "models/signalquality/SignalQualityLayout.h"

#include <algorithm>

namespace orbilunex {

int signalFontTenths(int innerWidth)
{
    return std::max(60, innerWidth / 3);
}

int signalFontTenths(int innerWidth, const SignalQualityModel& model)
{
    const int tenths = signalFontTenths(innerWidth);
    if (model.allSystems != 1) return tenths;
    const int slot = innerWidth / std::clamp(model.barCount, 1, kSignalBarCapacity);
    return std::min(tenths, std::max(45, 4 * slot));
}

int signalFilledHeight(int barHeight, int snr, int lowerThreshold, int upperThreshold)
{
    if (upperThreshold <= lowerThreshold) return 0;
    int level = snr;
    if (level > upperThreshold) level = upperThreshold;
    if (level < lowerThreshold) level = lowerThreshold;
    const double perUnit = static_cast<double>(barHeight) / (upperThreshold - lowerThreshold);
    return static_cast<int>(perUnit * (level - lowerThreshold));
}

SignalQualityLayout layoutSignalQuality(const PixelRect& client, int lineHeight,
                                        const SignalQualityModel& model)
{
    SignalQualityLayout layout;
    const int innerWidth = (client.right - 1) - (client.left + 1);
    layout.barCount = std::clamp(model.barCount, 1, kSignalBarCapacity);
    layout.slotWidth = innerWidth / layout.barCount;
    layout.fontTenths = signalFontTenths(innerWidth, model);
    const int w = layout.slotWidth;
    for (int i = 0; i < layout.barCount; ++i) {
        SignalBarGeometry& g = layout.bars[i];
        g.frame = {client.left + 2 + i * w, client.top + 2, client.left + i * w + w,
                   client.bottom - 1 - lineHeight};
        g.bar = {g.frame.left + 1, g.frame.top + 1, g.frame.right - 1, g.frame.bottom - 1};
        const SignalBar& entry = model.bars[i];
        g.entry = entry;
        g.filledHeight = signalFilledHeight(g.bar.height(), entry.snr, model.lowerThreshold,
                                            model.upperThreshold);
        g.label = {g.bar.left, g.bar.bottom - g.filledHeight - 1, g.bar.right, g.bar.bottom};
        g.prnBox = {g.bar.left, g.bar.bottom + 2, g.bar.right + 1, g.bar.bottom + 2 + lineHeight};
    }
    return layout;
}

} // namespace orbilunex
