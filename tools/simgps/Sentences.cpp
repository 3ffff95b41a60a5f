#include "Sentences.h"

#include "NmeaFormat.h"

namespace orbilunex::simgps {
namespace {

constexpr int kSatellitesPerGsv = 4;

// Talker and the signal id of the signal every satellite of the system sends
// (L1 C/A, GLONASS L1, Galileo E1-B/C, BeiDou B1I).
struct SystemCodes {
    GnssSystem system;
    const char* talker;
    int firstSignal;
};
constexpr SystemCodes kCodes[] = {{GnssSystem::Gps, "GP", 1},
                                  {GnssSystem::Glonass, "GL", 1},
                                  {GnssSystem::Galileo, "GA", 7},
                                  {GnssSystem::Beidou, "GB", 1}};
constexpr int kGpsL5Signal = 8; // L5-Q

const SystemCodes& codesOf(GnssSystem system)
{
    for (const SystemCodes& c : kCodes)
        if (c.system == system)
            return c;
    return kCodes[0];
}

// Talker of the sentences about the fix: GP, or GN for a combined solution.
std::string fixTalker(const EpochReport& r)
{
    return r.multiSystem() ? "GN" : "GP";
}

// ",lat,N,lon,E", or four empty fields without a fix.
std::string positionFields(const EpochReport& r)
{
    if (!r.hasFix())
        return ",,,,";
    return "," + latitudeField(r.latitude) + "," + latitudeHemisphere(r.latitude) + ","
        + longitudeField(r.longitude) + "," + longitudeHemisphere(r.longitude);
}

std::string dopField(const EpochReport& r, double dop)
{
    return r.hasFix() ? fixedField(dop, 1) : std::string();
}

} // namespace

std::string ggaBody(const EpochReport& r)
{
    std::string s = fixTalker(r) + "GGA," + timeField(r.utc) + positionFields(r) + "," + paddedField(r.quality, 1)
        + "," + paddedField(r.usedCount(), 2) + "," + dopField(r, r.hdop);
    if (!r.hasFix())
        return s + ",,,,,,";
    s += "," + fixedField(r.altitude, 1) + ",M," + fixedField(r.geoidSeparation, 1) + ",M,";
    // Age of corrections and reference station only for a differential fix.
    if (r.quality == 2)
        s += fixedField(r.dgpsAge, 1) + "," + paddedField(r.dgpsStation, 4);
    else
        s += ",";
    return s;
}

namespace {

// The used satellites of one system, or of all when `system` is null; the
// system id follows the DOPs when given.
std::string gsaBody(const EpochReport& r, const GnssSystem* system)
{
    std::string s = fixTalker(r) + "GSA,A," + (r.hasFix() ? "3" : "1");
    int listed = 0;
    for (const SatelliteReport& sat : r.satellites) {
        if (sat.used && listed < 12 && (!system || sat.system == *system)) {
            s += "," + paddedField(sat.prn, 2);
            ++listed;
        }
    }
    for (; listed < 12; ++listed)
        s += ",";
    s += "," + dopField(r, r.pdop) + "," + dopField(r, r.hdop) + "," + dopField(r, r.vdop);
    if (system)
        s += "," + std::to_string(static_cast<int>(*system));
    return s;
}

// One GSV sequence of these satellites with their `snr`; a signal id of 0
// leaves the field out.
void addGsvSequence(std::vector<std::string>& bodies, const std::string& talker,
                    const std::vector<SatelliteReport>& sats, int signalId)
{
    const int inView = static_cast<int>(sats.size());
    const int total = inView == 0 ? 1 : (inView + kSatellitesPerGsv - 1) / kSatellitesPerGsv;
    for (int message = 0; message < total; ++message) {
        std::string s = talker + "GSV," + std::to_string(total) + "," + std::to_string(message + 1) + ","
            + paddedField(inView, 2);
        for (int i = message * kSatellitesPerGsv; i < inView && i < (message + 1) * kSatellitesPerGsv; ++i) {
            const SatelliteReport& sat = sats[i];
            s += "," + paddedField(sat.prn, 2) + "," + paddedField(sat.elevation, 2) + ","
                + paddedField(sat.azimuth, 3) + "," + (sat.snr >= 0 ? paddedField(sat.snr, 2) : "");
        }
        if (signalId > 0)
            s += "," + std::to_string(signalId);
        bodies.push_back(s);
    }
}

} // namespace

std::vector<std::string> gsaBodies(const EpochReport& r)
{
    if (!r.multiSystem())
        return {gsaBody(r, nullptr)};
    std::vector<std::string> bodies;
    for (const GnssSystem& system : r.systems)
        bodies.push_back(gsaBody(r, &system));
    return bodies;
}

std::vector<std::string> gsvBodies(const EpochReport& r)
{
    std::vector<std::string> bodies;
    if (!r.multiSystem()) {
        addGsvSequence(bodies, "GP", r.satellites, 0);
        return bodies;
    }
    for (GnssSystem system : r.systems) {
        std::vector<SatelliteReport> first, l5;
        for (const SatelliteReport& sat : r.satellites) {
            if (sat.system != system)
                continue;
            first.push_back(sat);
            if (sat.hasL5) {
                l5.push_back(sat);
                l5.back().snr = sat.l5Snr;
            }
        }
        const SystemCodes& codes = codesOf(system);
        addGsvSequence(bodies, codes.talker, first, codes.firstSignal);
        if (!l5.empty())
            addGsvSequence(bodies, codes.talker, l5, kGpsL5Signal);
    }
    return bodies;
}

std::string rmcBody(const EpochReport& r)
{
    std::string s = fixTalker(r) + "RMC," + timeField(r.utc) + (r.hasFix() ? ",A" : ",V") + positionFields(r);
    if (!r.hasFix())
        return s + ",,," + dateField(r.utc) + ",,";
    const double variation = r.magneticVariation;
    return s + "," + fixedField(r.speedKnots, 1) + "," + angleField(r.courseDeg) + "," + dateField(r.utc)
        + "," + fixedField(variation < 0.0 ? -variation : variation, 1) + "," + (variation < 0.0 ? "W" : "E");
}

std::string rmbBody(const EpochReport& r)
{
    const RouteReport& route = *r.route;
    const double xte = route.crossTrackNmi < 9.99 ? route.crossTrackNmi : 9.99;
    return fixTalker(r) + "RMB," + (r.hasFix() ? "A" : "V") + "," + fixedField(xte, 2) + ","
        + route.steer + "," + route.originId + "," + route.destinationId + ","
        + latitudeField(route.destinationLatitude) + "," + latitudeHemisphere(route.destinationLatitude)
        + "," + longitudeField(route.destinationLongitude) + ","
        + longitudeHemisphere(route.destinationLongitude) + "," + fixedField(route.rangeNmi, 1) + ","
        + angleField(route.bearingDeg) + "," + fixedField(route.closingKnots, 1) + ","
        + (route.arrived ? "A" : "V");
}

std::string zdaBody(const EpochReport& r)
{
    // The receiver keeps UTC as local time: zone 00, 00.
    return fixTalker(r) + "ZDA," + timeField(r.utc) + "," + paddedField(r.utc.day, 2) + ","
        + paddedField(r.utc.month, 2) + "," + paddedField(r.utc.year, 4) + ",00,00";
}

std::string gllBody(const EpochReport& r)
{
    return fixTalker(r) + "GLL" + positionFields(r) + "," + timeField(r.utc) + (r.hasFix() ? ",A" : ",V");
}

std::string vtgBody(const EpochReport& r)
{
    const double kmh = r.speedKnots * 1.852;
    return fixTalker(r) + "VTG," + angleField(r.courseDeg) + ",T," + angleField(r.courseDeg - r.magneticVariation)
        + ",M," + fixedField(r.speedKnots, 1) + ",N," + fixedField(kmh, 1) + ",K";
}

SentenceWriter::SentenceWriter(std::ostream& out, bool lfOnly, int badChecksumEvery)
    : out_(out)
    , lineEnd_(lfOnly ? "\n" : "\r\n")
    , badChecksumEvery_(badChecksumEvery)
{
}

void SentenceWriter::write(const std::string& body)
{
    ++sentences_;
    unsigned sum = checksumOf(body);
    if (badChecksumEvery_ > 0 && sentences_ % badChecksumEvery_ == 0) {
        // Vary the damage: one digit, the other, or both wrong.
        static const unsigned masks[] = {0x01, 0x10, 0x5A, 0x08, 0x80, 0x33};
        sum ^= masks[corrupted_ % 6];
        ++corrupted_;
    }
    out_ << '$' << body << '*' << hexByte(sum) << lineEnd_;
}

void writeEpoch(SentenceWriter& writer, const EpochReport& r)
{
    writer.write(ggaBody(r));
    if (r.withGll)
        writer.write(gllBody(r));
    for (const std::string& body : gsaBodies(r))
        writer.write(body);
    for (const std::string& body : gsvBodies(r))
        writer.write(body);
    writer.write(rmcBody(r));
    if (r.withVtg)
        writer.write(vtgBody(r));
    if (r.route)
        writer.write(rmbBody(r));
    writer.write(zdaBody(r));
}

} // namespace orbilunex::simgps
