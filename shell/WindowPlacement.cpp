#include "shell/WindowPlacement.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace orbilunex {

namespace {

constexpr int kPlacementFields = 11;

int* fieldsOf(WindowPlacement& p, int index)
{
    int* fields[kPlacementFields] = {&p.length, &p.flags, &p.showCommand, &p.minX, &p.minY,
                                     &p.maxX,   &p.maxY,  &p.left,        &p.right, &p.top,
                                     &p.bottom};
    return fields[index];
}

// Reads `count` integers separated by commas, as "%d, %d, ..." would.
bool readIntegers(const std::string& text, int* values, int count)
{
    const char* p = text.c_str();
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            while (*p == ' ' || *p == '\t') ++p;
            if (*p != ',') return false;
            ++p;
        }
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(p, &end, 10);
        if (end == p || errno == ERANGE || value < INT_MIN || value > INT_MAX) return false;
        values[i] = static_cast<int>(value);
        p = end;
    }
    return true;
}

} // namespace

bool WindowPlacement::operator==(const WindowPlacement& o) const
{
    return length == o.length && flags == o.flags && showCommand == o.showCommand &&
           minX == o.minX && minY == o.minY && maxX == o.maxX && maxY == o.maxY &&
           left == o.left && right == o.right && top == o.top && bottom == o.bottom;
}

std::string formatPlacement(const WindowPlacement& placement)
{
    WindowPlacement p = placement;
    std::string text;
    for (int i = 0; i < kPlacementFields; ++i) {
        if (i > 0) text += ", ";
        text += std::to_string(*fieldsOf(p, i));
    }
    return text;
}

std::optional<WindowPlacement> parsePlacement(const std::string& text)
{
    int values[kPlacementFields];
    if (!readIntegers(text, values, kPlacementFields)) return std::nullopt;
    WindowPlacement p;
    for (int i = 0; i < kPlacementFields; ++i) *fieldsOf(p, i) = values[i];
    return p;
}

std::string formatWindowEntry(int kindCode, const WindowPlacement& placement)
{
    return std::to_string(kindCode) + ", " + formatPlacement(placement);
}

bool parseWindowEntry(const std::string& text, int& kindCode, WindowPlacement& placement)
{
    int values[kPlacementFields + 1];
    if (!readIntegers(text, values, kPlacementFields + 1)) return false;
    kindCode = values[0];
    for (int i = 0; i < kPlacementFields; ++i) *fieldsOf(placement, i) = values[i + 1];
    return true;
}

} // namespace orbilunex
