#include "survey/AccuracySettings.h"

#include "nmea/NumberReader.h"
#include "settings/SettingsStore.h"
#include "settings/SurveySettings.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

namespace orbilunex {

namespace survey_keys = settings::survey;

std::optional<double> parseDecimal(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    if (begin == end) return std::nullopt;
    // readReal stops at the first character that does not fit: the whole
    // text must be a number, with at least one digit.
    std::size_t i = begin;
    if (text[i] == '+' || text[i] == '-') ++i;
    bool digits = false;
    while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < end && (text[j] == '+' || text[j] == '-')) ++j;
        bool exponentDigits = false;
        while (j < end && std::isdigit(static_cast<unsigned char>(text[j]))) ++j, exponentDigits = true;
        if (!exponentDigits) return std::nullopt;
        i = j;
    }
    if (i != end) return std::nullopt;
    const double value = readReal(text.data() + begin, end - begin);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string exactDecimal(double value)
{
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::optional<ReferencePoint> storedReference(const SettingsStore& settings)
{
    const std::optional<double> latitude =
        parseDecimal(readSetting(settings, survey_keys::kReferenceLatitude));
    const std::optional<double> longitude =
        parseDecimal(readSetting(settings, survey_keys::kReferenceLongitude));
    const std::optional<double> altitude =
        parseDecimal(readSetting(settings, survey_keys::kReferenceAltitude));
    if (!latitude || !longitude || !altitude) return std::nullopt;
    if (std::fabs(*latitude) > 90.0 || std::fabs(*longitude) > 180.0) return std::nullopt;
    return ReferencePoint{*latitude, *longitude, *altitude};
}

void storeReference(SettingsStore& settings, const std::optional<ReferencePoint>& reference)
{
    writeSetting(settings, survey_keys::kReferenceLatitude,
                 reference ? exactDecimal(reference->latitude) : std::string());
    writeSetting(settings, survey_keys::kReferenceLongitude,
                 reference ? exactDecimal(reference->longitude) : std::string());
    writeSetting(settings, survey_keys::kReferenceAltitude,
                 reference ? exactDecimal(reference->altitude) : std::string());
}

std::optional<StopRule> storedStopRule(const SettingsStore& settings)
{
    if (readSetting(settings, survey_keys::kStopRule) != 1) return std::nullopt;
    const int samples = readSetting(settings, survey_keys::kStopSamples);
    const std::optional<double> twoDrms =
        parseDecimal(readSetting(settings, survey_keys::kStopTwoDrms));
    if (samples < 2 || !twoDrms || *twoDrms < 0.0) return std::nullopt;
    return StopRule{static_cast<std::uint32_t>(samples), *twoDrms};
}

} // namespace orbilunex
