// Feeds arbitrary bytes to the parser, decoding GPS alone or every satellite
// system as the first byte's lowest bit says. Besides the sanitizers' checks
// it asserts that splitting the input anywhere leaves the same state, and
// that the number readers stay inside their text.

#include "nmea/NmeaParser.h"
#include "nmea/NumberReader.h"
#include "nmea/StateJson.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const bool allSystems = size > 0 && (data[0] & 1) != 0;
    orbilunex::NmeaParser whole;
    whole.setAllSystems(allSystems);
    whole.feed(data, size);

    orbilunex::NmeaParser split;
    split.setAllSystems(allSystems);
    const std::size_t cut = size == 0 ? 0 : data[0] % size;
    split.feed(data, cut);
    for (std::size_t i = cut; i < size; ++i) split.pushByte(data[i]);

    if (whole.sentenceCount() != split.sentenceCount() ||
        orbilunex::stateToJson(whole.sentenceCount(), whole.gpsState()) !=
            orbilunex::stateToJson(split.sentenceCount(), split.gpsState()))
        std::abort();

    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)orbilunex::readReal(text.c_str());
    (void)orbilunex::readInteger(text.c_str());
    return 0;
}
