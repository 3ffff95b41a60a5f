#pragma once

#include "nmea/GpsState.h"

#include <cstddef>
#include <cstdint>

namespace orbilunex {

// Turns the raw byte stream of an NMEA-0183 source into checked sentences and
// decodes the supported ones into a GpsState. It keeps its framing state
// between calls, so a sentence may arrive split over any number of reads.
// Nothing is reported: bad sentences are dropped silently. Per byte the work
// is constant and nothing is allocated.
class NmeaParser {
public:
    // Framer states.
    enum FramerState : std::int32_t {
        Hunt = 0,          // waiting for "$"
        Address = 1,       // collecting talker and sentence identifier
        Data = 2,          // collecting everything up to "*" or carriage return
        ChecksumHigh = 3,  // first checksum digit
        ChecksumLow = 4,   // second checksum digit
    };

    static constexpr int kAddressCapacity = 8; // 7 characters and a NUL
    static constexpr int kDataCapacity = 256;  // 255 characters and a NUL

    NmeaParser();

    // Passes count bytes to pushByte in order (a faster loop with the same
    // effect). Returns 1. A count of 0 does nothing.
    int feed(const unsigned char* bytes, std::size_t count);
    int feed(const char* bytes, std::size_t count)
    {
        return feed(reinterpret_cast<const unsigned char*>(bytes), count);
    }

    // Advances the framer by one byte; may dispatch a sentence.
    void pushByte(unsigned char b);

    // Runs the decoder for the NUL-terminated address (if it is one of the six
    // known ones, compared exactly), then counts the sentence. Returns 1.
    int dispatch(const char* address, const char* data);

    // Dispatched sentences since construction, known or not; never reset.
    std::int32_t sentenceCount() const { return sentences; }

    // Changes whenever the decoded state may have: at every sentence
    // dispatched and every reset; never goes back. Views compare it with the
    // value they last drew from to skip a tick in which nothing arrived.
    std::uint64_t stateRevision() const { return revision; }

    // Framed sentences dropped because their checksum did not match (a wrong
    // baud rate shows as many of these); never reset.
    std::int64_t checksumFailureCount() const { return checksumFailures; }

    const GpsState& gpsState() const { return gps; }

    // Back to the initial GpsState; framing and sentenceCount are untouched.
    void resetGpsState();

    // false (the default): only the GP talker's six sentences decode, as
    // receivers of GPS alone send them. true: GGA, RMC, GSA, ZDA and RMB of
    // every satellite system's talker decode too, GSV fills the state's
    // all-systems table, and GLL, GNS, VTG and GST decode as well. A change
    // starts from a fresh state.
    void setAllSystems(bool all);
    bool allSystems() const { return all; }

    // GGA and RMC sentences of talkers other than GP while decoding GPS
    // alone: a receiver of several systems that the setting ignores.
    std::int64_t otherTalkerPositionCount() const { return otherTalkerPositions; }

    FramerState framerState() const { return state; }

private:
    void dispatchAllSystems(const char* address, const char* data);
    void noteOtherTalker(const char* address);
    void huntByte(unsigned char b);
    void addressByte(unsigned char b);
    void dataByte(unsigned char b);
    void checksumHighByte(unsigned char b);
    void checksumLowByte(unsigned char b);
    // Copies a run of ordinary data bytes; returns how many were taken.
    std::size_t dataRun(const unsigned char* bytes, std::size_t count);

    FramerState state = Hunt;
    std::uint8_t runningChecksum = 0;
    std::uint8_t receivedChecksum = 0;
    std::uint16_t length = 0;
    char address[kAddressCapacity] = {};
    char data[kDataCapacity] = {};
    std::int32_t sentences = 0;
    std::uint64_t revision = 0;
    std::int64_t checksumFailures = 0;
    std::int64_t otherTalkerPositions = 0;
    bool all = false;
    bool previousWasGsa = false;
    GpsState gps;
};

} // namespace orbilunex
