#include "framework/TextMetrics.h"

#include <QFontMetricsF>

namespace orbilunex {

namespace {

// Occurrences per thousand characters of 'a' to 'z', then the blank.
constexpr int kLetterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20,
                                    56, 56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2};
constexpr int kBlankWeight = 166;
constexpr int kWeightTotal = 1000;

} // namespace

qreal averageCharWidth(const QFont& font, QPaintDevice* device)
{
    const QFontMetricsF metrics = device != nullptr ? QFontMetricsF(font, device)
                                                    : QFontMetricsF(font);
    qreal sum = kBlankWeight * metrics.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i) {
        const QLatin1Char letter(static_cast<char>('a' + i));
        sum += kLetterWeights[i] * metrics.horizontalAdvance(letter);
    }
    return sum / kWeightTotal;
}

} // namespace orbilunex
