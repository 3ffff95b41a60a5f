#pragma once

#include "Epoch.h"

#include <ostream>
#include <string>
#include <vector>

namespace orbilunex::simgps {

// Sentence bodies: the address and the fields, without '$', '*' or checksum.
// A GPS receiver writes them all under talker GP. A receiver of several
// systems writes the position sentences under GN, a GSA for each system with
// its system id last, and GSV sequences under each system's talker (GP, GL,
// GA, GB), one per signal, with the signal id last.
std::string ggaBody(const EpochReport& r);
std::vector<std::string> gsaBodies(const EpochReport& r); // one, or one a system
std::vector<std::string> gsvBodies(const EpochReport& r); // four satellites each
std::string rmcBody(const EpochReport& r);
std::string rmbBody(const EpochReport& r); // requires r.route
std::string zdaBody(const EpochReport& r);
std::string gllBody(const EpochReport& r);
std::string vtgBody(const EpochReport& r);

// Frames bodies as sentences on a stream and, when asked, spoils the checksum
// of every N-th one so that a decoder's checksum rejection can be tested.
class SentenceWriter {
public:
    SentenceWriter(std::ostream& out, bool lfOnly, int badChecksumEvery);

    void write(const std::string& body);
    long long sentences() const { return sentences_; }
    long long corrupted() const { return corrupted_; }

private:
    std::ostream& out_;
    const char* lineEnd_;
    int badChecksumEvery_;
    long long sentences_ = 0;
    long long corrupted_ = 0;
};

// One epoch in the order a receiver sends it: GGA, (GLL), GSA..., GSV..., RMC,
// (VTG), RMB while a route is active, ZDA.
void writeEpoch(SentenceWriter& writer, const EpochReport& r);

} // namespace orbilunex::simgps
