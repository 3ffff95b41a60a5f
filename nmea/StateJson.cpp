#include "nmea/StateJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace orbilunex {

namespace {

// Writes members as "name":value pairs, commas placed as it goes.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out(out) {}

    void key(const char* name)
    {
        separate();
        out += '"';
        out += name;
        out += "\":";
        pendingValue = true;
    }

    void integer(long long value)
    {
        separate();
        char buffer[24];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out.append(buffer, result.ptr);
    }

    void real(double value)
    {
        separate();
        if (!std::isfinite(value)) {
            out += "null";
            return;
        }
        char buffer[32];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out.append(buffer, result.ptr);
    }

    // One code point per byte: bytes above 127 become U+0080..U+00FF.
    void bytes(const char* text, std::size_t count)
    {
        separate();
        out += '"';
        for (std::size_t i = 0; i < count; ++i) codePoint(static_cast<unsigned char>(text[i]));
        out += '"';
    }

    void text(const char* nulTerminated)
    {
        std::size_t n = 0;
        while (nulTerminated[n] != '\0') ++n;
        bytes(nulTerminated, n);
    }

    void open(char bracket)
    {
        separate();
        out += bracket;
        first = true;
    }

    void close(char bracket)
    {
        out += bracket;
        first = false;
    }

private:
    void separate()
    {
        if (pendingValue) {
            pendingValue = false;
            return;
        }
        if (!first) out += ',';
        first = false;
    }

    void codePoint(unsigned char c)
    {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    std::string& out;
    bool first = true;
    bool pendingValue = false;
};

void writeCharacter(JsonWriter& json, const char* name, char value)
{
    json.key(name);
    json.bytes(&value, 1);
}

void writeGga(JsonWriter& json, const GpsState& s)
{
    json.key("ggaHour"); json.integer(s.ggaHour);
    json.key("ggaMinute"); json.integer(s.ggaMinute);
    json.key("ggaSecond"); json.integer(s.ggaSecond);
    json.key("latitude"); json.real(s.latitude);
    json.key("longitude"); json.real(s.longitude);
    json.key("fixQuality"); json.integer(s.fixQuality);
    json.key("satellitesUsed"); json.integer(s.satellitesUsed);
    json.key("hdop"); json.real(s.hdop);
    json.key("altitude"); json.real(s.altitude);
    json.key("ggaCount"); json.integer(s.ggaCount);
    json.key("prevAltitudeTime"); json.integer(s.prevAltitudeTime);
    json.key("prevAltitude"); json.real(s.prevAltitude);
    json.key("verticalSpeed"); json.real(s.verticalSpeed);
}

void writeGsa(JsonWriter& json, const GpsState& s)
{
    writeCharacter(json, "gsaMode", s.gsaMode);
    json.key("fixType"); json.integer(s.fixType);
    json.key("activePrns");
    json.open('[');
    for (std::uint16_t prn : s.activePrns) json.integer(prn);
    json.close(']');
    json.key("pdop"); json.real(s.pdop);
    json.key("gsaHdop"); json.real(s.gsaHdop);
    json.key("vdop"); json.real(s.vdop);
    json.key("gsaCount"); json.integer(s.gsaCount);
}

void writeGsv(JsonWriter& json, const GpsState& s)
{
    json.key("satellitesInView"); json.integer(s.satellitesInView);
    json.key("satellites");
    json.open('[');
    for (const SatelliteInfo& sat : s.satellites) {
        json.open('{');
        json.key("prn"); json.integer(sat.prn);
        json.key("snr"); json.integer(sat.snr);
        json.key("usedInSolution"); json.integer(sat.usedInSolution);
        json.key("azimuth"); json.integer(sat.azimuth);
        json.key("elevation"); json.integer(sat.elevation);
        json.close('}');
    }
    json.close(']');
    json.key("gsvCount"); json.integer(s.gsvCount);
}

void writeRmb(JsonWriter& json, const GpsState& s)
{
    writeCharacter(json, "rmbStatus", s.rmbStatus);
    json.key("crossTrackError"); json.real(s.crossTrackError);
    writeCharacter(json, "steerDirection", s.steerDirection);
    json.key("originWaypoint"); json.text(s.originWaypoint);
    json.key("destinationWaypoint"); json.text(s.destinationWaypoint);
    json.key("destLatitude"); json.real(s.destLatitude);
    json.key("destLongitude"); json.real(s.destLongitude);
    json.key("rangeToDestination"); json.real(s.rangeToDestination);
    json.key("bearingToDestination"); json.real(s.bearingToDestination);
    json.key("closingVelocity"); json.real(s.closingVelocity);
    writeCharacter(json, "arrivalStatus", s.arrivalStatus);
    json.key("rmbCount"); json.integer(s.rmbCount);
}

void writeRmc(JsonWriter& json, const GpsState& s)
{
    json.key("rmcHour"); json.integer(s.rmcHour);
    json.key("rmcMinute"); json.integer(s.rmcMinute);
    json.key("rmcSecond"); json.integer(s.rmcSecond);
    writeCharacter(json, "rmcStatus", s.rmcStatus);
    json.key("rmcLatitude"); json.real(s.rmcLatitude);
    json.key("rmcLongitude"); json.real(s.rmcLongitude);
    json.key("speedOverGround"); json.real(s.speedOverGround);
    json.key("courseOverGround"); json.real(s.courseOverGround);
    json.key("rmcDay"); json.integer(s.rmcDay);
    json.key("rmcMonth"); json.integer(s.rmcMonth);
    json.key("rmcYear"); json.integer(s.rmcYear);
    json.key("magneticVariation"); json.real(s.magneticVariation);
    json.key("rmcCount"); json.integer(s.rmcCount);
}

void writeZda(JsonWriter& json, const GpsState& s)
{
    json.key("zdaHour"); json.integer(s.zdaHour);
    json.key("zdaMinute"); json.integer(s.zdaMinute);
    json.key("zdaSecond"); json.integer(s.zdaSecond);
    json.key("zdaDay"); json.integer(s.zdaDay);
    json.key("zdaMonth"); json.integer(s.zdaMonth);
    json.key("zdaYear"); json.integer(s.zdaYear);
    json.key("localZoneHours"); json.integer(s.localZoneHours);
    json.key("localZoneMinutes"); json.integer(s.localZoneMinutes);
    json.key("zdaCount"); json.integer(s.zdaCount);
}

} // namespace

std::string stateToJson(std::int32_t sentenceCount, const GpsState& state)
{
    std::string out;
    out.reserve(4096);
    JsonWriter json(out);
    json.open('{');
    json.key("sentenceCount"); json.integer(sentenceCount);
    writeGga(json, state);
    writeGsa(json, state);
    writeGsv(json, state);
    writeRmb(json, state);
    writeRmc(json, state);
    writeZda(json, state);
    json.close('}');
    return out;
}

} // namespace orbilunex
