#include "SampleLog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace orbilunex::simgps::test {
namespace {

View decode(const Epoch& e)
{
    View v;
    const Sentence* gga = e.find("GPGGA");
    const Sentence* gsa = e.find("GPGSA");
    const Sentence* rmc = e.find("GPRMC");
    if (!gga || !gsa || !rmc) {
        ADD_FAILURE() << "epoch without GGA, GSA or RMC";
        return v;
    }
    v.time = secondsOfDay(gga->field(0));
    v.quality = std::stoi(gga->field(5));
    if (v.quality > 0) {
        v.lat = degrees(gga->field(1), gga->field(2), 2);
        v.lon = degrees(gga->field(3), gga->field(4), 3);
        v.alt = *number(gga->field(8));
        v.hdop = *number(gga->field(7));
        v.pdop = *number(gsa->field(14));
        v.vdop = *number(gsa->field(16));
        v.speed = *number(rmc->field(6));
        v.course = *number(rmc->field(7));
    }
    for (int i = 2; i < 14; ++i)
        if (!gsa->field(i).empty())
            v.used.push_back(std::stoi(gsa->field(i)));
    for (const Sentence* gsv : e.all("GPGSV")) {
        for (std::size_t i = 3; i + 3 < gsv->fields.size(); i += 4) {
            const auto snr = number(gsv->fields[i + 3]);
            v.sats.push_back({std::stoi(gsv->fields[i]), std::stoi(gsv->fields[i + 1]),
                              std::stoi(gsv->fields[i + 2]),
                              snr ? std::optional<int>(int(*snr)) : std::nullopt});
        }
    }
    v.rmb = e.find("GPRMB");
    return v;
}

} // namespace

void load(const std::string& path, const std::string& lineEnd, Log& log)
{
    log.text = readFile(path);
    std::string error;
    EXPECT_TRUE(readSentences(log.text, lineEnd, log.sentences, error)) << path << ": " << error;
    log.epochs = groupEpochs(log.sentences);
    for (const Epoch& e : log.epochs)
        log.views.push_back(decode(e));
}

const Log& sample()
{
    static Log log;
    static bool loaded = false;
    if (!loaded) {
        load(SAMPLE_DATA_DIR "/sample.nmea", "\r\n", log);
        loaded = true;
    }
    return log;
}

bool isUsed(const View& v, int prn)
{
    return std::find(v.used.begin(), v.used.end(), prn) != v.used.end();
}

// Local metres east/north of (lat0, lon0); ample for a few kilometres.
void toMetres(double lat0, double lon0, double lat, double lon, double& east, double& north)
{
    const double r = 6371008.8 * kPi / 180.0;
    north = (lat - lat0) * r;
    east = (lon - lon0) * r * std::cos((lat + lat0) / 2.0 * kPi / 180.0);
}

} // namespace orbilunex::simgps::test
