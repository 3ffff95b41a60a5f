#pragma once

#include "nmea/NmeaParser.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace orbilunex::test {

// "$" + body + "*" + upper-case checksum + CR LF.
inline std::string sentence(const std::string& body, const char* lineEnd = "\r\n")
{
    unsigned char sum = 0;
    for (unsigned char c : body) sum ^= c;
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", sum);
    return "$" + body + "*" + digits + lineEnd;
}

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
