#include "format/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace orbilunex {

void JsonWriter::key(const char* name)
{
    separate();
    out += '"';
    out += name;
    out += "\":";
    pendingValue = true;
}

void JsonWriter::integer(long long value)
{
    separate();
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void JsonWriter::real(double value)
{
    separate();
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void JsonWriter::bytes(const char* text, std::size_t count)
{
    separate();
    out += '"';
    for (std::size_t i = 0; i < count; ++i) codePoint(static_cast<unsigned char>(text[i]));
    out += '"';
}

void JsonWriter::text(const char* nulTerminated)
{
    std::size_t n = 0;
    while (nulTerminated[n] != '\0') ++n;
    bytes(nulTerminated, n);
}

void JsonWriter::open(char bracket)
{
    separate();
    out += bracket;
    first = true;
}

void JsonWriter::close(char bracket)
{
    out += bracket;
    first = false;
}

void JsonWriter::separate()
{
    if (pendingValue) {
        pendingValue = false;
        return;
    }
    if (!first) out += ',';
    first = false;
}

void JsonWriter::codePoint(unsigned char c)
{
    if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7f) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", c);
        out += escape;
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace orbilunex
