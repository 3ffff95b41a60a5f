#include "nmea/StateJson.h"

#include "format/JsonWriter.h"
#include "nmea/AllSystems.h"

namespace orbilunex {

namespace {

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

void writeSatellite(JsonWriter& json, int prn, int snr, int used, int azimuth, int elevation)
{
    json.key("prn"); json.integer(prn);
    json.key("snr"); json.integer(snr);
    json.key("usedInSolution"); json.integer(used);
    json.key("azimuth"); json.integer(azimuth);
    json.key("elevation"); json.integer(elevation);
}

void writeGsv(JsonWriter& json, const GpsState& s)
{
    json.key("satellitesInView"); json.integer(s.satellitesInView);
    json.key("satellites");
    json.open('[');
    if (s.allSystems != 0) {
        for (int i = 0; i < s.sky.count; ++i) {
            const SystemSatellite& sat = s.sky.satellites[i];
            json.open('{');
            json.key("system"); json.text(systemName(sat.system));
            writeSatellite(json, sat.prn, sat.snr, sat.usedInSolution, sat.azimuth, sat.elevation);
            json.close('}');
        }
    } else {
        for (const SatelliteInfo& sat : s.satellites) {
            json.open('{');
            writeSatellite(json, sat.prn, sat.snr, sat.usedInSolution, sat.azimuth, sat.elevation);
            json.close('}');
        }
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

// Only while every system decodes, so that the output for GPS alone stays
// as it always was.
void writeMoreSentences(JsonWriter& json, const GpsState& s)
{
    json.key("gllHour"); json.integer(s.gllHour);
    json.key("gllMinute"); json.integer(s.gllMinute);
    json.key("gllSecond"); json.integer(s.gllSecond);
    writeCharacter(json, "gllStatus", s.gllStatus);
    json.key("gllMode"); json.bytes(&s.gllMode, s.gllMode == '\0' ? 0 : 1);
    json.key("gllLatitude"); json.real(s.gllLatitude);
    json.key("gllLongitude"); json.real(s.gllLongitude);
    json.key("gllCount"); json.integer(s.gllCount);
    json.key("gnsHour"); json.integer(s.gnsHour);
    json.key("gnsMinute"); json.integer(s.gnsMinute);
    json.key("gnsSecond"); json.integer(s.gnsSecond);
    json.key("gnsMode"); json.text(s.gnsMode);
    json.key("geoidSeparation"); json.real(s.geoidSeparation);
    json.key("gnsCount"); json.integer(s.gnsCount);
    json.key("vtgMode"); json.bytes(&s.vtgMode, s.vtgMode == '\0' ? 0 : 1);
    json.key("vtgCount"); json.integer(s.vtgCount);
    json.key("gst");
    json.open('{');
    json.key("hour"); json.integer(s.gstHour);
    json.key("minute"); json.integer(s.gstMinute);
    json.key("second"); json.integer(s.gstSecond);
    json.key("rms"); json.real(s.gstRms);
    json.key("semiMajor"); json.real(s.gstSemiMajor);
    json.key("semiMinor"); json.real(s.gstSemiMinor);
    json.key("orientation"); json.real(s.gstOrientation);
    json.key("sigmaLatitude"); json.real(s.gstSigmaLatitude);
    json.key("sigmaLongitude"); json.real(s.gstSigmaLongitude);
    json.key("sigmaAltitude"); json.real(s.gstSigmaAltitude);
    json.key("count"); json.integer(s.gstCount);
    json.close('}');
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
    if (state.allSystems != 0) writeMoreSentences(json, state);
    json.close('}');
    return out;
}

} // namespace orbilunex
