#pragma once

#include "survey/SurveyModel.h"

#include <iosfwd>
#include <string>

namespace orbilunex {

// The survey's figures as one JSON object on one line: sampleCount,
// altitudeMax, altitudeMin, hdopClassCounts, then "mean" and "leastSquares"
// each with latitude, longitude and altitude holding every accumulator field
// (and the least-squares estimate). Doubles in shortest round-trip form,
// null when not finite.
std::string surveyToJson(const SurveyModel& survey);

// One CSV row per stored sample, after a header row: latitude and longitude
// in degrees, altitude in metres, PDOP, HDOP, VDOP, the 3D flag, and 1/0 for
// acceptance into the horizontal and altitude estimates under the survey's
// thresholds. Numbers are written exactly from the stored integers. Returns
// false when the stream fails.
bool writeSurveyCsv(std::ostream& out, const SurveyModel& survey);

// A stored integer as a decimal with the given number of fraction digits,
// exactly: (-123456789, 7) gives "-12.3456789".
std::string scaledDecimal(long long value, int fractionDigits);

} // namespace orbilunex
