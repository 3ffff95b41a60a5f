#pragma once

// A deliberately small NMEA reader for checking the generator's output. It
// shares no code with the generator or with the monitor's decoder, so a fault
// in either cannot hide itself here.

#include <optional>
#include <string>
#include <vector>

namespace orbilunex::simgps::test {

struct Sentence {
    std::string address;             // "GPGGA"
    std::vector<std::string> fields; // after the address
    bool checksumOk = false;
    std::string line;                // without the line end

    const std::string& field(std::size_t i) const;
};

// Splits text into sentences; every line must end with `lineEnd` and be framed
// as $ADDRESS,...*HH. On a framing error returns false with a reason.
bool readSentences(const std::string& text, const std::string& lineEnd,
                   std::vector<Sentence>& out, std::string& error);

// One epoch: the sentences from a GGA (of any talker) up to the next GGA.
struct Epoch {
    std::vector<const Sentence*> sentences;
    const Sentence* find(const std::string& address) const;
    std::vector<const Sentence*> all(const std::string& address) const;
};
std::vector<Epoch> groupEpochs(const std::vector<Sentence>& sentences);

std::string readFile(const std::string& path);

// Numeric fields; nullopt when empty.
std::optional<double> number(const std::string& field);
// ddmm.mmmm / dddmm.mmmm with hemisphere to signed degrees.
double degrees(const std::string& value, const std::string& hemisphere, int degreeDigits);
// hhmmss.ss to seconds of the day.
int secondsOfDay(const std::string& time);

} // namespace orbilunex::simgps::test
