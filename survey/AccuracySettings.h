#pragma once

#include "survey/SurveyAccuracy.h"

#include <optional>
#include <string>

namespace orbilunex {

class SettingsStore;

// The reference point as stored under "Survey Configuration"; none when
// any of its three values is missing or not a finite number, or the
// latitude or longitude lies out of range.
std::optional<ReferencePoint> storedReference(const SettingsStore& settings);
// Stores the point exactly (shortest text that reads back the same double),
// or clears it.
void storeReference(SettingsStore& settings, const std::optional<ReferencePoint>& reference);

// The stop rule when it is on and its values are sound (samples at least 2,
// a finite 2DRMS not below 0); none otherwise.
std::optional<StopRule> storedStopRule(const SettingsStore& settings);

// Reads a whole text as a finite decimal number ("2", "-0.5", " 1e3 ");
// none for anything else. For what the user types for the stop rule and the
// reference altitude.
std::optional<double> parseDecimal(const std::string& text);

// A double as the shortest decimal text that reads back exactly.
std::string exactDecimal(double value);

} // namespace orbilunex
