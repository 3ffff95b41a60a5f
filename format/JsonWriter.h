#pragma once

#include <cstddef>
#include <string>

namespace orbilunex {

// Appends compact JSON to a string: members as "name":value pairs, commas
// placed as it goes. Numbers are written independently of the process
// locale; doubles in the shortest form that reads back to the same double,
// null when not finite. The caller keeps the nesting balanced.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out(out) {}

    void key(const char* name);
    void integer(long long value);
    void real(double value);
    // One code point per byte: bytes above 127 become U+0080..U+00FF.
    void bytes(const char* text, std::size_t count);
    void text(const char* nulTerminated);
    // bracket is '{' or '['.
    void open(char bracket);
    void close(char bracket);

private:
    void separate();
    void codePoint(unsigned char c);

    std::string& out;
    bool first = true;
    bool pendingValue = false;
};

} // namespace orbilunex
