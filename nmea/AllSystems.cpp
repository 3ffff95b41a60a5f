#include "nmea/AllSystems.h"

#include "nmea/FieldReader.h"
#include "nmea/NumberReader.h"

#include <cstddef>

namespace orbilunex {

namespace {

std::int32_t integerOr(const FieldReader& fields, int index, std::int32_t empty)
{
    const FieldView field = fields.field(index);
    return field.present() ? readInteger(field.text, static_cast<std::size_t>(field.length))
                           : empty;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The numbering receivers use when one talker (GN) reports every system:
// NMEA's own ranges for GPS, SBAS and GLONASS, and the common extended ones.
SatelliteSystem systemByNumber(int prn)
{
    if (prn >= 1 && prn <= 32) return SystemGps;
    if ((prn >= 33 && prn <= 64) || (prn >= 120 && prn <= 158)) return SystemSbas;
    if (prn >= 65 && prn <= 96) return SystemGlonass;
    if (prn >= 193 && prn <= 200) return SystemQzss;
    if ((prn >= 201 && prn <= 263) || (prn >= 401 && prn <= 463)) return SystemBeiDou;
    if (prn >= 301 && prn <= 336) return SystemGalileo;
    return SystemUnknown;
}

bool isInUse(const AllSystemsSky& sky, int system, int prn)
{
    for (int i = 0; i < sky.inUseCount; ++i)
        if (sky.inUsePrn[i] == prn && sky.inUseSystem[i] == system) return true;
    return false;
}

void refreshUsedFlags(AllSystemsSky& sky)
{
    for (int i = 0; i < sky.count; ++i) {
        SystemSatellite& sat = sky.satellites[i];
        sat.usedInSolution = isInUse(sky, sat.system, sat.prn) ? 1 : 0;
    }
}

// The entry of (system, prn), inserted in order when new; null when the
// table is full.
SystemSatellite* entryFor(AllSystemsSky& sky, std::uint8_t system, std::uint16_t prn)
{
    int at = 0;
    for (; at < sky.count; ++at) {
        const SystemSatellite& sat = sky.satellites[at];
        if (sat.system == system && sat.prn == prn) return &sky.satellites[at];
        if (sat.system > system || (sat.system == system && sat.prn > prn)) break;
    }
    if (sky.count >= kAllSystemsTableSize) return nullptr;
    for (int i = sky.count; i > at; --i) sky.satellites[i] = sky.satellites[i - 1];
    ++sky.count;
    SystemSatellite& fresh = sky.satellites[at];
    fresh = SystemSatellite{};
    fresh.system = system;
    fresh.prn = prn;
    fresh.usedInSolution = isInUse(sky, system, prn) ? 1 : 0;
    return &fresh;
}

std::uint16_t strongest(const SystemSatellite& sat)
{
    std::uint16_t best = 0;
    for (int id = 0; id < kSignalIds; ++id)
        if ((sat.signalMask & (1u << id)) != 0 && sat.signalSnr[id] > best) best = sat.signalSnr[id];
    return best;
}

// The end of one sequence: its satellites not reported this time lose the
// signal, and those with no signal left go.
void endSequence(AllSystemsSky& sky, std::uint8_t sequence, int signalId)
{
    const auto bit = static_cast<std::uint16_t>(1u << signalId);
    int kept = 0;
    for (int i = 0; i < sky.count; ++i) {
        SystemSatellite sat = sky.satellites[i];
        if (sat.sequence == sequence && (sat.signalMask & bit) != 0 && (sat.seenInCycle & bit) == 0) {
            sat.signalMask = static_cast<std::uint16_t>(sat.signalMask & ~bit);
            sat.signalSnr[signalId] = 0;
            sat.snr = strongest(sat);
        }
        if (sat.signalMask != 0) sky.satellites[kept++] = sat;
    }
    sky.count = static_cast<std::uint16_t>(kept);
}

} // namespace

SatelliteSystem talkerSystem(const char* address, bool& known)
{
    struct Talker {
        char a, b;
        SatelliteSystem system;
    };
    static constexpr Talker kTalkers[] = {
        {'G', 'P', SystemGps},    {'G', 'N', SystemUnknown}, {'G', 'L', SystemGlonass},
        {'G', 'A', SystemGalileo}, {'G', 'B', SystemBeiDou},  {'B', 'D', SystemBeiDou},
        {'G', 'Q', SystemQzss},   {'G', 'I', SystemNavic},
        // Integrated instrumentation: a boat's instrument network relaying
        // its receiver, like GN.
        {'I', 'N', SystemUnknown},
    };
    for (const Talker& t : kTalkers)
        if (address[0] == t.a && address[1] == t.b) {
            known = true;
            return t.system;
        }
    known = false;
    return SystemUnknown;
}

SatelliteSystem satelliteSystem(SatelliteSystem talker, int systemId, int prn)
{
    if (systemId >= SystemGps && systemId <= SystemNavic) {
        // Some receivers send SBAS under the GPS system id.
        if (systemId == SystemGps && systemByNumber(prn) == SystemSbas) return SystemSbas;
        return static_cast<SatelliteSystem>(systemId);
    }
    if (talker == SystemGps) {
        const SatelliteSystem byNumber = systemByNumber(prn);
        return byNumber == SystemSbas || byNumber == SystemQzss ? byNumber : SystemGps;
    }
    if (talker != SystemUnknown) return talker;
    return systemByNumber(prn);
}

char systemLetter(int system)
{
    static constexpr char kLetters[kSatelliteSystemCount] = {'?', 'G', 'R', 'E', 'C', 'J', 'I', 'S'};
    return system >= 0 && system < kSatelliteSystemCount ? kLetters[system] : '?';
}

const char* systemName(int system)
{
    static const char* const kNames[kSatelliteSystemCount] = {
        "unknown", "GPS", "GLONASS", "Galileo", "BeiDou", "QZSS", "NavIC", "SBAS"};
    return system >= 0 && system < kSatelliteSystemCount ? kNames[system] : "unknown";
}

// $GLGSV,3,1,10,65,22,042,35,66,61,005,41,...,1*7B
// total messages, message number, satellites in view, up to four times PRN,
// elevation, azimuth, SNR, and (NMEA 4.10) a signal id after the last.
void decodeGsvAllSystems(GpsState& s, SatelliteSystem talker, const char* data)
{
    const FieldReader fields(data);
    const std::int32_t total = integerOr(fields, 0, 0);
    const std::int32_t message = integerOr(fields, 1, 0);
    if (total < 1 || total > 9 || message < 1 || message > total) return;

    const int count = fields.count();
    const bool hasSignalId = count > 3 && (count - 3) % 4 == 1;
    int signalId = 0;
    if (hasSignalId) {
        const FieldView id = fields.field(count - 1);
        signalId = id.length == 1 ? hexDigit(id.first()) : -1;
        if (signalId < 0) return;
    }
    const auto bit = static_cast<std::uint16_t>(1u << signalId);
    const auto sequence = static_cast<std::uint8_t>(talker);
    AllSystemsSky& sky = s.sky;

    if (message == 1)
        for (int i = 0; i < sky.count; ++i)
            if (sky.satellites[i].sequence == sequence)
                sky.satellites[i].seenInCycle = static_cast<std::uint16_t>(
                    sky.satellites[i].seenInCycle & ~bit);

    const int groupFields = count - (hasSignalId ? 1 : 0) - 3;
    for (int base = 3; base < 3 + groupFields; base += 4) {
        const std::int32_t prn = integerOr(fields, base, 0);
        if (prn <= 0 || prn > 0xffff) continue;
        const SatelliteSystem system = satelliteSystem(talker, 0, prn);
        SystemSatellite* sat =
            entryFor(sky, static_cast<std::uint8_t>(system), static_cast<std::uint16_t>(prn));
        if (sat == nullptr) continue;
        sat->sequence = sequence;
        sat->elevation = static_cast<std::uint16_t>(integerOr(fields, base + 1, 0));
        sat->azimuth = static_cast<std::uint16_t>(integerOr(fields, base + 2, 0));
        sat->signalSnr[signalId] = static_cast<std::uint8_t>(integerOr(fields, base + 3, 0));
        sat->signalMask = static_cast<std::uint16_t>(sat->signalMask | bit);
        sat->seenInCycle = static_cast<std::uint16_t>(sat->seenInCycle | bit);
        sat->snr = strongest(*sat);
    }
    if (message == total) endSequence(sky, sequence, signalId);

    s.satellitesInView = sky.count;
    ++s.gsvCount;
}

// $GNGSA,A,3,05,11,12,,,,,,,,,,1.7,1.2,1.3,1*0C
// mode, fix type, twelve PRNs, PDOP, HDOP, VDOP and (NMEA 4.11) system id.
void noteGsaAllSystems(GpsState& s, SatelliteSystem talker, const char* data, bool firstOfEpoch)
{
    const FieldReader fields(data);
    AllSystemsSky& sky = s.sky;
    if (firstOfEpoch) sky.inUseCount = 0;
    const std::int32_t systemId = integerOr(fields, 17, 0);
    for (int i = 0; i < kGsaPrnFields && sky.inUseCount < kInUseCapacity; ++i) {
        const std::int32_t prn = integerOr(fields, 2 + i, 0);
        if (prn <= 0 || prn > 0xffff) continue;
        const SatelliteSystem system = satelliteSystem(talker, systemId, prn);
        if (isInUse(sky, system, prn)) continue;
        sky.inUseSystem[sky.inUseCount] = static_cast<std::uint8_t>(system);
        sky.inUsePrn[sky.inUseCount] = static_cast<std::uint16_t>(prn);
        ++sky.inUseCount;
    }
    refreshUsedFlags(sky);
}

} // namespace orbilunex
