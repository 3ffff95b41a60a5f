#pragma once

#include "nmea/NmeaParser.h"
#include "tests/common/NmeaSentence.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace orbilunex::test {

inline void feedText(NmeaParser& parser, const std::string& bytes)
{
    parser.feed(bytes.data(), bytes.size());
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace orbilunex::test
