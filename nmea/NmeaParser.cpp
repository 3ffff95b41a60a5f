#include "nmea/NmeaParser.h"

#include "nmea/AllSystems.h"
#include "nmea/SentenceDecoders.h"

#include <cstring>

namespace orbilunex {

namespace {

struct DecoderEntry {
    char address[6]; // five characters and the NUL, compared together
    void (*decode)(GpsState&, const char*);
};

// With GPS alone only these exact addresses decode; other talkers ("GN",
// "GL") and longer or shorter identifiers are counted but not decoded.
constexpr DecoderEntry kDecoders[] = {
    {"GPGGA", decodeGga}, {"GPGSA", decodeGsa}, {"GPGSV", decodeGsv},
    {"GPRMB", decodeRmb}, {"GPRMC", decodeRmc}, {"GPZDA", decodeZda},
};

// With every system, by sentence type alone (the talker was checked);
// GSV and GSA have their own steps.
constexpr DecoderEntry kAllSystemsDecoders[] = {
    {"--GGA", decodeGgaAllSystems}, {"--RMC", decodeRmcAllSystems}, {"--GLL", decodeGll},
    {"--GNS", decodeGns},           {"--VTG", decodeVtg},           {"--GST", decodeGst},
    {"--RMB", decodeRmb},           {"--ZDA", decodeZda},
};

// Value of one checksum digit by the receiver-compatible rule: b - '0' when
// that is at most 9 (bytes below '0' give negative values), else b - 55.
// Upper-case hexadecimal is the only form that reliably matches.
int checksumDigit(unsigned char b)
{
    const int v = b - 48;
    return v <= 9 ? v : b - 55;
}

} // namespace

NmeaParser::NmeaParser()
{
    orbilunex::resetGpsState(gps);
}

void NmeaParser::resetGpsState()
{
    orbilunex::resetGpsState(gps);
    gps.allSystems = all ? 1 : 0;
    ++revision;
}

void NmeaParser::setAllSystems(bool allTalkers)
{
    if (allTalkers == all) return;
    all = allTalkers;
    previousWasGsa = false;
    resetGpsState();
}

int NmeaParser::dispatch(const char* addressText, const char* dataText)
{
    if (all) {
        dispatchAllSystems(addressText, dataText);
    } else {
        bool decoded = false;
        for (const DecoderEntry& entry : kDecoders) {
            if (std::memcmp(addressText, entry.address, sizeof entry.address) == 0) {
                entry.decode(gps, dataText);
                decoded = true;
                break;
            }
        }
        if (!decoded) noteOtherTalker(addressText);
    }
    ++sentences;
    ++revision;
    return 1;
}

void NmeaParser::noteOtherTalker(const char* addressText)
{
    if (std::strlen(addressText) != 5) return;
    const char* type = addressText + 2;
    if (std::memcmp(type, "GGA", 3) != 0 && std::memcmp(type, "RMC", 3) != 0) return;
    // An instrument network (IN) is not another satellite system: the hint
    // this count feeds would mislead there.
    if (addressText[0] == 'I') return;
    bool known = false;
    talkerSystem(addressText, known);
    if (known) ++otherTalkerPositions;
}

void NmeaParser::dispatchAllSystems(const char* addressText, const char* dataText)
{
    bool known = false;
    const SatelliteSystem talker =
        std::strlen(addressText) == 5 ? talkerSystem(addressText, known) : SystemUnknown;
    const bool wasGsa = previousWasGsa;
    previousWasGsa = false;
    if (!known) return;
    const char* type = addressText + 2;
    if (std::memcmp(type, "GSV", 3) == 0) {
        decodeGsvAllSystems(gps, talker, dataText);
    } else if (std::memcmp(type, "GSA", 3) == 0) {
        // The fix type and DOPs are the receiver's, whichever system's GSA
        // carries them; the used satellites gather over the epoch's GSAs.
        decodeGsa(gps, dataText);
        noteGsaAllSystems(gps, talker, dataText, !wasGsa);
        previousWasGsa = true;
    } else {
        for (const DecoderEntry& entry : kAllSystemsDecoders) {
            if (std::memcmp(type, entry.address + 2, 4) == 0) {
                entry.decode(gps, dataText);
                break;
            }
        }
    }
}

void NmeaParser::huntByte(unsigned char b)
{
    if (b != '$') return;
    runningChecksum = 0;
    length = 0;
    state = Address;
}

void NmeaParser::addressByte(unsigned char b)
{
    if (b == ',') {
        address[length] = '\0';
        runningChecksum ^= b;
        length = 0;
        state = Data;
    } else if (b == '*') {
        address[length] = '\0';
        data[0] = '\0'; // the sentence has no data text
        length = 0;
        state = ChecksumHigh;
    } else {
        address[length] = static_cast<char>(b);
        ++length;
        runningChecksum ^= b;
        if (length >= kAddressCapacity) state = Hunt;
    }
}

void NmeaParser::dataByte(unsigned char b)
{
    if (b == '*') {
        data[length] = '\0';
        state = ChecksumHigh;
    } else if (b == '\r') {
        // No checksum: accepted as it stands when it ends in a carriage return.
        data[length] = '\0';
        dispatch(address, data);
        state = Hunt;
    } else {
        runningChecksum ^= b;
        data[length] = static_cast<char>(b);
        ++length;
        if (length >= kDataCapacity) state = Hunt;
    }
}

void NmeaParser::checksumHighByte(unsigned char b)
{
    receivedChecksum = static_cast<std::uint8_t>(checksumDigit(b) * 16);
    state = ChecksumLow;
}

void NmeaParser::checksumLowByte(unsigned char b)
{
    receivedChecksum = static_cast<std::uint8_t>(receivedChecksum | checksumDigit(b));
    if (receivedChecksum == runningChecksum) dispatch(address, data);
    else ++checksumFailures;
    state = Hunt;
}

void NmeaParser::pushByte(unsigned char b)
{
    switch (state) {
    case Hunt: huntByte(b); break;
    case Address: addressByte(b); break;
    case Data: dataByte(b); break;
    case ChecksumHigh: checksumHighByte(b); break;
    case ChecksumLow: checksumLowByte(b); break;
    }
}

std::size_t NmeaParser::dataRun(const unsigned char* bytes, std::size_t count)
{
    // The same steps as dataByte for ordinary bytes, with the checksum and
    // length kept in registers; stops before "*", carriage return or the
    // byte that fills the buffer, which pushByte then handles.
    std::uint8_t checksum = runningChecksum;
    std::size_t n = 0;
    std::size_t room = static_cast<std::size_t>(kDataCapacity - 1 - length);
    const std::size_t limit = count < room ? count : room;
    char* out = data + length;
    for (; n < limit; ++n) {
        const unsigned char b = bytes[n];
        if (b == '*' || b == '\r') break;
        checksum ^= b;
        out[n] = static_cast<char>(b);
    }
    runningChecksum = checksum;
    length = static_cast<std::uint16_t>(length + n);
    return n;
}

int NmeaParser::feed(const unsigned char* bytes, std::size_t count)
{
    std::size_t i = 0;
    while (i < count) {
        if (state == Hunt) {
            // Between sentences only "$" matters.
            const void* dollar = std::memchr(bytes + i, '$', count - i);
            if (dollar == nullptr) break;
            i = static_cast<std::size_t>(static_cast<const unsigned char*>(dollar) - bytes);
        } else if (state == Data) {
            i += dataRun(bytes + i, count - i);
            if (i == count) break;
        }
        pushByte(bytes[i]);
        ++i;
    }
    return 1;
}

} // namespace orbilunex
