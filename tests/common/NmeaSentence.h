#pragma once

#include <cstdio>
#include <string>

namespace orbilunex::test {

// "$" + body + "*" + upper-case checksum + line end.
inline std::string sentence(const std::string& body, const char* lineEnd = "\r\n")
{
    unsigned char sum = 0;
    for (unsigned char c : body) sum ^= c;
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", sum);
    return "$" + body + "*" + digits + lineEnd;
}

// One sentence for each line of `bodies`.
inline std::string sentences(const std::string& bodies)
{
    std::string stream;
    std::size_t start = 0;
    while (start <= bodies.size()) {
        const std::size_t end = bodies.find('\n', start);
        if (end != start) stream += sentence(bodies.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return stream;
}

} // namespace orbilunex::test
