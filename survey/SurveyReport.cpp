#include "survey/SurveyReport.h"

#include "format/JsonWriter.h"

#include <ostream>

namespace orbilunex {

namespace {

constexpr const char* kAxes[3] = {"latitude", "longitude", "altitude"};

void writeMean(JsonWriter& json, const MeanAccumulator& m)
{
    json.open('{');
    json.key("sum"); json.real(m.sum);
    json.key("count"); json.integer(m.count);
    json.key("mean"); json.real(m.mean);
    json.key("sumSquaredDeviations"); json.real(m.sumSquaredDeviations);
    json.key("spread"); json.real(m.spread());
    json.close('}');
}

void writeLeastSquares(JsonWriter& json, const LeastSquaresAccumulator& l)
{
    json.open('{');
    json.key("sumY"); json.real(l.sumY);
    json.key("sumT"); json.real(l.sumT);
    json.key("sumTY"); json.real(l.sumTY);
    json.key("sumT2"); json.real(l.sumT2);
    json.key("intercept"); json.real(l.intercept);
    json.key("slope"); json.real(l.slope);
    json.key("sumSquaredResiduals"); json.real(l.sumSquaredResiduals);
    json.key("nextIndex"); json.integer(l.nextIndex);
    json.key("spread"); json.real(l.spread());
    json.key("estimate"); json.real(l.estimate());
    json.close('}');
}

} // namespace

std::string surveyToJson(const SurveyModel& survey)
{
    std::string out;
    JsonWriter json(out);
    json.open('{');
    json.key("sampleCount"); json.integer(survey.sampleCount());
    json.key("altitudeMax"); json.integer(survey.altitudeMax);
    json.key("altitudeMin"); json.integer(survey.altitudeMin);
    json.key("hdopClassCounts");
    json.open('[');
    for (std::uint32_t n : survey.hdopClassCounts) json.integer(n);
    json.close(']');
    json.key("mean");
    json.open('{');
    for (int axis = 0; axis < 3; ++axis) {
        json.key(kAxes[axis]);
        writeMean(json, survey.mean[axis]);
    }
    json.close('}');
    json.key("leastSquares");
    json.open('{');
    for (int axis = 0; axis < 3; ++axis) {
        json.key(kAxes[axis]);
        writeLeastSquares(json, survey.leastSquares[axis]);
    }
    json.close('}');
    json.close('}');
    return out;
}

std::string scaledDecimal(long long value, int fractionDigits)
{
    const bool negative = value < 0;
    // Through unsigned so that the most negative value negates cleanly.
    unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    if (digits.size() <= static_cast<std::size_t>(fractionDigits))
        digits.insert(0, static_cast<std::size_t>(fractionDigits) + 1 - digits.size(), '0');
    if (fractionDigits > 0) digits.insert(digits.size() - static_cast<std::size_t>(fractionDigits), 1, '.');
    return negative ? "-" + digits : digits;
}

bool writeSurveyCsv(std::ostream& out, const SurveyModel& survey)
{
    out << "latitude,longitude,altitude,pdop,hdop,vdop,fix3d,horizontal,vertical\n";
    std::string row;
    survey.samples().forEach([&](const SurveySample& s) {
        row.clear();
        row += scaledDecimal(s.latitude, 7); row += ',';
        row += scaledDecimal(s.longitude, 7); row += ',';
        row += scaledDecimal(s.altitude, 2); row += ',';
        row += scaledDecimal(s.pdop10, 1); row += ',';
        row += scaledDecimal(s.hdop10, 1); row += ',';
        row += scaledDecimal(s.vdop10, 1); row += ',';
        row += std::to_string(s.fix3d); row += ',';
        row += survey.acceptsHorizontal(s.hdop10) ? '1' : '0'; row += ',';
        row += survey.acceptsAltitude(s.vdop10, s.fix3d) ? '1' : '0'; row += '\n';
        out << row;
    });
    out.flush();
    return static_cast<bool>(out);
}

} // namespace orbilunex
