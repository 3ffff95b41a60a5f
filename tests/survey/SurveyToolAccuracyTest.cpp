// The survey tool's accuracy figures, stop rule and exports, through the
// program itself. The log is a short stretch of the sample log: 19 samples,
// of which 12 have HDOP within 3.0 (stored samples 1-6 and 14-19) and 11 a
// VDOP within 3.0 on a 3D fix.

#include "../common/ToolRun.h"
#include "../nmea/NmeaTestUtil.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using orbilunex::test::readFile;
using orbilunex::test::runProgram;
using orbilunex::test::ToolRun;

const std::string kLog = std::string(TEST_DATA_DIR) + "/survey-short.nmea";
const std::string kScratch = ::testing::TempDir() + "survey-accuracy-";

ToolRun runTool(const std::string& arguments) { return runProgram(SURVEY_TOOL, arguments); }

// What the tool writes on standard error (its standard output dropped).
ToolRun runToolForMessage(const std::string& arguments)
{
    return runProgram("{ " + std::string(SURVEY_TOOL) + " " + arguments + " 2>&1 >/dev/null; }", "");
}

// The text after "key": (after the first occurrence of `after`, if given),
// up to the next ',' or '}'.
std::string raw(const std::string& json, const std::string& key, const std::string& after = "")
{
    const std::size_t from = after.empty() ? 0 : json.find(after);
    if (from == std::string::npos) return "";
    const std::string quoted = "\"" + key + "\":";
    const std::size_t at = json.find(quoted, from);
    if (at == std::string::npos) return "";
    const std::size_t start = at + quoted.size();
    return json.substr(start, json.find_first_of(",}", start) - start);
}

double number(const std::string& json, const std::string& key, const std::string& after = "")
{
    const std::string text = raw(json, key, after);
    return text.empty() || text == "null" ? NAN : std::stod(text);
}

// A member of each axis in turn after `section`, as longitude, latitude,
// altitude.
std::array<double, 3> axes(const std::string& json, const std::string& section, const std::string& key)
{
    std::size_t at = json.find(section);
    double values[3] = {NAN, NAN, NAN};
    for (double& v : values) {
        at = json.find("\"" + key + "\":", at + 1);
        if (at == std::string::npos) break;
        v = std::stod(json.substr(at + key.size() + 3));
    }
    return {values[1], values[0], values[2]};
}

bool exists(const std::string& path) { return std::ifstream(path).good(); }

} // namespace

TEST(SurveyToolAccuracy, FiguresAndReferenceErrors)
{
    const ToolRun plain = runTool(kLog);
    ASSERT_EQ(plain.exitCode, 0);
    const std::array<double, 3> mean = axes(plain.output, "\"mean\":{\"latitude\":", "mean");
    std::ostringstream atMean, eastOfMean;
    atMean.precision(17);
    eastOfMean.precision(17);
    atMean << mean[1] << "," << mean[0] << "," << mean[2];
    // 0.0001 degree of longitude east of the mean, at 47.24 N: 7.571 m on
    // the ellipsoid.
    eastOfMean << mean[1] << "," << mean[0] + 0.0001 << "," << mean[2];

    const struct {
        const char* legend;
        std::string arguments;
        int horizontal, vertical;
        bool horizontalFigures, sigmaUp;
        double referenceEast, referenceNorth, referenceBearing; // NAN: no reference given
    } rows[] = {
        {"defaults", "", 12, 11, true, true, NAN, NAN, NAN},
        {"every HDOP taken", "--hdop-threshold 60", 19, 11, true, true, NAN, NAN, NAN},
        {"no HDOP taken, one VDOP", "--hdop-threshold 0 --vdop-threshold 9", 0, 0, false, false,
         NAN, NAN, NAN},
        {"the mean as reference", "--reference " + atMean.str(), 12, 11, true, true, 0.0, 0.0, 0.0},
        {"a reference east of the mean", "--reference " + eastOfMean.str(), 12, 11, true, true, -7.571,
         0.0, 270.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const ToolRun run = runTool(row.arguments + " " + kLog);
        ASSERT_EQ(run.exitCode, 0);
        // What was printed before stays as it was, and the figures follow.
        if (row.arguments.find("threshold") == std::string::npos) {
            EXPECT_EQ(run.output.substr(0, plain.output.size() - 2),
                      plain.output.substr(0, plain.output.size() - 2));
        }
        EXPECT_EQ(number(run.output, "horizontalSamples"), row.horizontal);
        EXPECT_EQ(number(run.output, "verticalSamples"), row.vertical);
        const double cep50 = number(run.output, "cep50"), r95 = number(run.output, "r95");
        const double drms = number(run.output, "drms"), twoDrms = number(run.output, "twoDrms");
        EXPECT_EQ(!std::isnan(cep50), row.horizontalFigures);
        EXPECT_EQ(!std::isnan(twoDrms), row.horizontalFigures);
        EXPECT_EQ(!std::isnan(number(run.output, "sigmaUp")), row.sigmaUp);
        if (row.horizontalFigures) {
            // The samples lie within a few decimetres; a figure in degrees
            // or in the wrong frame would be far off.
            EXPECT_GT(cep50, 0.05);
            EXPECT_LE(cep50, r95);
            EXPECT_LT(r95, 20.0);
            EXPECT_DOUBLE_EQ(twoDrms, 2 * drms);
        }
        const bool reference = !std::isnan(row.referenceEast);
        EXPECT_EQ(run.output.find("\"referenceError\":{\"mean\":{\"east\":") != std::string::npos,
                  reference);
        if (!reference) continue;
        EXPECT_NEAR(number(run.output, "east", "referenceError"), row.referenceEast, 0.002);
        EXPECT_NEAR(number(run.output, "north", "referenceError"), row.referenceNorth, 0.002);
        EXPECT_NEAR(number(run.output, "up", "referenceError"), 0.0, 0.002);
        EXPECT_NEAR(number(run.output, "bearing", "referenceError"), row.referenceBearing, 0.01);
        EXPECT_NEAR(number(run.output, "horizontal", "referenceError"),
                    std::fabs(row.referenceEast), 0.002);
        EXPECT_FALSE(std::isnan(number(run.output, "bearing", "\"leastSquares\":{\"east\"")));
    }
}

TEST(SurveyToolAccuracy, BadValuesExit2AndWriteNothing)
{
    const std::string pth = kScratch + "bad.pth", exported = kScratch + "bad.gpx";
    const std::string outputs = " --write " + pth + " --export " + exported + " ";
    const struct {
        const char* legend;
        std::string arguments;
        const char* message;
    } rows[] = {
        {"reference not a position", "--reference north", "--reference needs"},
        {"reference of two numbers", "--reference 47,11", "--reference needs"},
        {"latitude beyond 90", "--reference 90.5,11,600", "--reference needs"},
        {"longitude beyond -180", "--reference 47,-180.01,600", "--reference needs"},
        {"altitude not a number", "--reference 47,11,high", "--reference needs"},
        {"negative sample count", "--stop-when -5,1", "--stop-when needs"},
        {"sample count not a number", "--stop-when five,1", "--stop-when needs"},
        {"sample count with a fraction", "--stop-when 5.5,1", "--stop-when needs"},
        {"negative 2DRMS", "--stop-when 5,-0.1", "--stop-when needs"},
        {"2DRMS not a number", "--stop-when 5,far", "--stop-when needs"},
        {"one value", "--stop-when 5", "--stop-when needs"},
        {"unknown export format", "--export " + kScratch + "bad.shp", "cannot tell the format"},
    };
    for (const auto& row : rows) {
        std::remove(pth.c_str());
        std::remove(exported.c_str());
        const ToolRun run = runToolForMessage(outputs + row.arguments + " " + kLog);
        EXPECT_EQ(run.exitCode, 2) << row.legend;
        EXPECT_NE(run.output.find(row.message), std::string::npos) << row.legend << ": " << run.output;
        EXPECT_FALSE(exists(pth)) << row.legend;
        EXPECT_FALSE(exists(exported)) << row.legend;
    }
}

// The rule counts horizontal samples but reports the stored count, and a
// path file's samples stop where the log they came from stopped.
TEST(SurveyToolAccuracy, StopRuleStopsAtTheRightSample)
{
    const std::string whole = kScratch + "whole.pth", stopped = kScratch + "stopped.pth";
    ASSERT_EQ(runTool("--write " + whole + " " + kLog).exitCode, 0);

    const struct {
        const char* rule;
        const char* stoppedAt;
        // 2,0.5: the first two lie 0.51 m apart (2DRMS 0.51), the third
        // brings 2DRMS to 0.43. 7,1: the seventh horizontal sample is the
        // 14th stored. 3,0.3: never.
    } rows[] = {{"2,1", "2"}, {"2,0.5", "3"}, {"7,1", "14"}, {"3,0.3", "null"}, {"0,100", "2"}};
    for (const auto& row : rows) {
        for (const std::string& input : {kLog, whole}) {
            SCOPED_TRACE(std::string(row.rule) + " on " + input);
            std::remove(stopped.c_str());
            const ToolRun run =
                runTool("--stop-when " + std::string(row.rule) + " --write " + stopped + " " + input);
            ASSERT_EQ(run.exitCode, 0);
            const bool complete = std::string(row.stoppedAt) != "null";
            EXPECT_EQ(raw(run.output, "stoppedAtSample"), row.stoppedAt);
            EXPECT_EQ(raw(run.output, "surveyComplete"), complete ? "true" : "false");
            const long long kept = complete ? std::stoll(row.stoppedAt) : 19;
            EXPECT_EQ(raw(run.output, "sampleCount"), std::to_string(kept));
            // The figures and the saved file hold only the samples taken.
            EXPECT_EQ(readFile(stopped).size(), 2048u + 62u * static_cast<std::size_t>(kept));
            if (complete) {
                const std::string rule = row.rule;
                EXPECT_LE(number(run.output, "twoDrms"), std::stod(rule.substr(rule.find(',') + 1)));
            }
        }
    }
    EXPECT_EQ(runTool(kLog).output.find("surveyComplete"), std::string::npos);
}

namespace {

// Every coordinate of the POINT and LINESTRING geometries ogrinfo prints,
// in order: longitude, latitude and, when given, altitude.
std::vector<std::vector<double>> ogrPoints(const std::string& listing)
{
    std::vector<std::vector<double>> points;
    std::istringstream lines(listing);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("POINT") == std::string::npos && line.find("LINESTRING") == std::string::npos)
            continue;
        const std::size_t open = line.find_last_of('(');
        const std::size_t close = line.find_first_of(')');
        std::istringstream tuples(line.substr(open + 1, close - open - 1));
        std::string tuple;
        while (std::getline(tuples, tuple, ',')) {
            std::istringstream values(tuple);
            std::vector<double> point;
            for (double v; values >> v;) point.push_back(v);
            points.push_back(point);
        }
    }
    return points;
}

} // namespace

TEST(SurveyToolAccuracy, ExportsReadBackWithOgr)
{
    if (runProgram("ogrinfo", "--version").exitCode != 0) GTEST_SKIP() << "no ogrinfo";
    const std::string csv = kScratch + "oracle.csv";
    const ToolRun survey = runTool("--csv " + csv + " " + kLog);
    ASSERT_EQ(survey.exitCode, 0);

    // Expected: the two averages, then every sample as the plain CSV has it.
    const std::vector<std::array<double, 3>> averages = {
        axes(survey.output, "\"mean\":{\"latitude\":", "mean"),
        axes(survey.output, "\"leastSquares\":{\"latitude\":", "estimate")};
    std::vector<std::array<double, 3>> samples;
    std::istringstream rows(readFile(csv));
    std::string row;
    std::getline(rows, row);
    while (std::getline(rows, row)) {
        double latitude, longitude, altitude;
        ASSERT_EQ(std::sscanf(row.c_str(), "%lf,%lf,%lf", &latitude, &longitude, &altitude), 3);
        samples.push_back({longitude, latitude, altitude});
    }
    ASSERT_EQ(samples.size(), 19u);

    const struct {
        const char* name;
        const char* ogrinfo; // FILE stands for the export
        bool averages;
    } formats[] = {
        {"survey.csv",
         "sh -c \"grep -v '^#' FILE | ogrinfo -ro -q -al -oo X_POSSIBLE_NAMES=longitude "
         "-oo Y_POSSIBLE_NAMES=latitude -oo Z_POSSIBLE_NAMES=altitude CSV:/vsistdin/\"",
         false},
        {"survey.gpx", "ogrinfo -ro -q --config GPX_ELE_AS_25D YES FILE waypoints track_points", true},
        {"survey.KML", "ogrinfo -ro -q -al FILE", true},
        {"survey.geojson", "ogrinfo -ro -q -al FILE", true},
    };
    for (const auto& format : formats) {
        SCOPED_TRACE(format.name);
        const std::string path = kScratch + format.name;
        std::remove(path.c_str());
        ASSERT_EQ(runTool("--export " + path + " " + kLog).exitCode, 0);
        std::string command = format.ogrinfo;
        command.replace(command.find("FILE"), 4, path);
        const ToolRun listing = runProgram(command, "");
        ASSERT_EQ(listing.exitCode, 0) << command;

        std::vector<std::array<double, 3>> expected = samples;
        if (format.averages) expected.insert(expected.begin(), averages.begin(), averages.end());
        const std::vector<std::vector<double>> points = ogrPoints(listing.output);
        ASSERT_EQ(points.size(), expected.size()) << listing.output;
        for (std::size_t i = 0; i < points.size(); ++i) {
            ASSERT_EQ(points[i].size(), 3u) << "point " << i;
            EXPECT_NEAR(points[i][0], expected[i][0], 1e-7) << "longitude of point " << i;
            EXPECT_NEAR(points[i][1], expected[i][1], 1e-7) << "latitude of point " << i;
            EXPECT_NEAR(points[i][2], expected[i][2], 1e-6) << "altitude of point " << i;
        }

        // An existing file stays unless --force is given.
        std::ofstream(path, std::ios::trunc) << "kept";
        const ToolRun refused = runToolForMessage("--export " + path + " " + kLog);
        EXPECT_NE(refused.exitCode, 0);
        EXPECT_NE(refused.output.find("already exists"), std::string::npos) << refused.output;
        EXPECT_EQ(readFile(path), "kept");
        ASSERT_EQ(runTool("--force --export " + path + " " + kLog).exitCode, 0);
        EXPECT_EQ(ogrPoints(runProgram(command, "").output).size(), expected.size());
    }

    const ToolRun unwritable =
        runToolForMessage("--export /nonexistent-folder/survey.gpx " + kLog);
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.output.find("/nonexistent-folder/survey.gpx"), std::string::npos);
}
