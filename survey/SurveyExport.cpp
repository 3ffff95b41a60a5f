#include "survey/SurveyExport.h"

#include "format/ReplaceFile.h"
#include "survey/AccuracySettings.h"
#include "survey/SurveyReport.h"

#include <cctype>
#include <cmath>
#include <ostream>
#include <vector>

#include <sys/stat.h>

namespace orbilunex {

namespace {

// One of the two averages, in degrees and metres.
struct Average {
    const char* name;
    const char* key; // in the CSV summary
    double latitude;
    double longitude;
    std::optional<double> altitude;
};

// The averages that exist: none while no sample feeds the horizontal set.
std::vector<Average> averagesOf(const SurveyModel& survey)
{
    std::vector<Average> averages;
    const auto& mean = survey.mean;
    const auto& lsf = survey.leastSquares;
    if (mean[SurveyModel::kLatitude].count == 0) return averages;
    const bool altitude = mean[SurveyModel::kAltitude].count > 0;
    const Average candidates[2] = {
        {"Mean", "mean", mean[SurveyModel::kLatitude].mean, mean[SurveyModel::kLongitude].mean,
         altitude ? std::optional<double>(mean[SurveyModel::kAltitude].mean) : std::nullopt},
        {"Least squares", "leastSquares", lsf[SurveyModel::kLatitude].estimate(),
         lsf[SurveyModel::kLongitude].estimate(),
         altitude ? std::optional<double>(lsf[SurveyModel::kAltitude].estimate()) : std::nullopt},
    };
    for (const Average& a : candidates) {
        // A runaway fit is no place on the map.
        if (!std::isfinite(a.latitude) || !std::isfinite(a.longitude)) continue;
        Average kept = a;
        if (kept.altitude && !std::isfinite(*kept.altitude)) kept.altitude.reset();
        averages.push_back(kept);
    }
    return averages;
}

std::string degrees(std::int32_t stored) { return scaledDecimal(stored, 7); }
std::string metres(std::int32_t stored) { return scaledDecimal(stored, 2); }
std::string orEmpty(const std::optional<double>& v) { return v ? exactDecimal(*v) : std::string(); }
std::string orNull(const std::optional<double>& v) { return v ? exactDecimal(*v) : "null"; }

struct Figure {
    const char* key;   // as in the tool's JSON
    const char* label; // for people
    std::optional<double> value;
};

std::vector<Figure> figuresOf(const SurveyAccuracy& f)
{
    return {{"cep50", "CEP50", f.cep50},
            {"r95", "R95", f.r95},
            {"drms", "DRMS", f.drms},
            {"twoDrms", "2DRMS", f.twoDrms},
            {"sigmaUp", "sigma up", f.sigmaUp}};
}

// The figures as one line of text, for GPX and KML descriptions.
std::string describe(const SurveyAccuracy& f)
{
    std::string text;
    for (const Figure& figure : figuresOf(f)) {
        text += figure.label;
        text += figure.value ? " " + exactDecimal(*figure.value) + " m, " : " none, ";
    }
    text += std::to_string(f.horizontalSamples) + " horizontal and " +
            std::to_string(f.verticalSamples) + " vertical samples";
    return text;
}

void writeCsv(std::ostream& out, const SurveyModel& survey, const SurveyAccuracy& f)
{
    out << "# samples," << survey.sampleCount() << '\n';
    out << "# horizontalSamples," << f.horizontalSamples << '\n';
    out << "# verticalSamples," << f.verticalSamples << '\n';
    for (const Figure& figure : figuresOf(f)) out << "# " << figure.key << ',' << orEmpty(figure.value) << '\n';
    for (const Average& a : averagesOf(survey))
        out << "# " << a.key << ',' << exactDecimal(a.latitude) << ',' << exactDecimal(a.longitude)
            << ',' << orEmpty(a.altitude) << '\n';
    out << "index,latitude,longitude,altitude,hdop,vdop,pdop,fix3d,horizontal,vertical\n";
    std::string row;
    std::uint32_t index = 0;
    survey.samples().forEach([&](const SurveySample& s) {
        row = std::to_string(index++);
        row += ','; row += degrees(s.latitude);
        row += ','; row += degrees(s.longitude);
        row += ','; row += metres(s.altitude);
        row += ','; row += scaledDecimal(s.hdop10, 1);
        row += ','; row += scaledDecimal(s.vdop10, 1);
        row += ','; row += scaledDecimal(s.pdop10, 1);
        row += ','; row += std::to_string(s.fix3d);
        row += ','; row += survey.acceptsHorizontal(s.hdop10) ? '1' : '0';
        row += ','; row += survey.acceptsAltitude(s.vdop10, s.fix3d) ? '1' : '0';
        row += '\n';
        out << row;
    });
}

void writeGpx(std::ostream& out, const SurveyModel& survey, const SurveyAccuracy& f)
{
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"Orbilunex\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
           "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n";
    const std::string description = describe(f);
    for (const Average& a : averagesOf(survey)) {
        out << "  <wpt lat=\"" << exactDecimal(a.latitude) << "\" lon=\""
            << exactDecimal(a.longitude) << "\">";
        if (a.altitude) out << "<ele>" << exactDecimal(*a.altitude) << "</ele>";
        out << "<name>" << a.name << "</name><desc>" << description << "</desc></wpt>\n";
    }
    out << "  <trk>\n    <name>Samples</name>\n    <trkseg>\n";
    std::string point;
    survey.samples().forEach([&](const SurveySample& s) {
        point = "      <trkpt lat=\"" + degrees(s.latitude) + "\" lon=\"" + degrees(s.longitude) +
                "\"><ele>" + metres(s.altitude) + "</ele></trkpt>\n";
        out << point;
    });
    out << "    </trkseg>\n  </trk>\n</gpx>\n";
}

void writeKml(std::ostream& out, const SurveyModel& survey, const SurveyAccuracy& f)
{
    // Absolute: the altitudes are heights, not offsets from the ground.
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>Survey</name>\n";
    const std::string description = describe(f);
    for (const Average& a : averagesOf(survey)) {
        out << "<Placemark><name>" << a.name << "</name><description>" << description
            << "</description><Point><altitudeMode>absolute</altitudeMode><coordinates>"
            << exactDecimal(a.longitude) << ',' << exactDecimal(a.latitude);
        if (a.altitude) out << ',' << exactDecimal(*a.altitude);
        out << "</coordinates></Point></Placemark>\n";
    }
    if (survey.sampleCount() >= 2) {
        out << "<Placemark><name>Samples</name><LineString><altitudeMode>absolute</altitudeMode>"
               "<coordinates>\n";
        std::string point;
        survey.samples().forEach([&](const SurveySample& s) {
            point = degrees(s.longitude) + ',' + degrees(s.latitude) + ',' + metres(s.altitude) + '\n';
            out << point;
        });
        out << "</coordinates></LineString></Placemark>\n";
    }
    out << "</Document>\n</kml>\n";
}

void writeGeoJson(std::ostream& out, const SurveyModel& survey, const SurveyAccuracy& f)
{
    // By hand rather than through JsonWriter, so that the samples' numbers
    // are the stored integers' own decimals.
    out << "{\"type\":\"FeatureCollection\",\"features\":[";
    bool first = true;
    for (const Average& a : averagesOf(survey)) {
        out << (first ? "\n" : ",\n") << "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\","
            << "\"coordinates\":[" << exactDecimal(a.longitude) << ',' << exactDecimal(a.latitude);
        if (a.altitude) out << ',' << exactDecimal(*a.altitude);
        out << "]},\"properties\":{\"name\":\"" << a.name << '"';
        for (const Figure& figure : figuresOf(f))
            out << ",\"" << figure.key << "\":" << orNull(figure.value);
        out << ",\"horizontalSamples\":" << f.horizontalSamples
            << ",\"verticalSamples\":" << f.verticalSamples << "}}";
        first = false;
    }
    if (survey.sampleCount() >= 2) {
        out << (first ? "\n" : ",\n")
            << "{\"type\":\"Feature\",\"geometry\":{\"type\":\"LineString\",\"coordinates\":[";
        std::string point;
        bool firstPoint = true;
        survey.samples().forEach([&](const SurveySample& s) {
            point = firstPoint ? "\n[" : ",\n[";
            point += degrees(s.longitude) + ',' + degrees(s.latitude) + ',' + metres(s.altitude) + ']';
            out << point;
            firstPoint = false;
        });
        out << "]},\"properties\":{\"name\":\"Samples\",\"samples\":" << survey.sampleCount() << "}}";
    }
    out << "\n]}\n";
}

} // namespace

std::optional<ExportFormat> exportFormatFor(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "csv") return ExportFormat::Csv;
    if (extension == "gpx") return ExportFormat::Gpx;
    if (extension == "kml") return ExportFormat::Kml;
    if (extension == "geojson") return ExportFormat::GeoJson;
    return std::nullopt;
}

bool writeSurveyExport(std::ostream& out, ExportFormat format, const SurveyModel& survey,
                       const SurveyAccuracy& figures)
{
    switch (format) {
    case ExportFormat::Csv: writeCsv(out, survey, figures); break;
    case ExportFormat::Gpx: writeGpx(out, survey, figures); break;
    case ExportFormat::Kml: writeKml(out, survey, figures); break;
    case ExportFormat::GeoJson: writeGeoJson(out, survey, figures); break;
    }
    out.flush();
    return static_cast<bool>(out);
}

bool exportTargetExists(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

bool exportSurvey(const std::string& path, ExportFormat format, const SurveyModel& survey,
                  const SurveyAccuracy& figures, bool replaceExisting, std::string& error)
{
    if (!replaceExisting && exportTargetExists(path)) {
        error = path + " already exists; it is left as it is.";
        return false;
    }
    return replaceFile(
        path, [&](std::ostream& out) { return writeSurveyExport(out, format, survey, figures); },
        error);
}

} // namespace orbilunex
