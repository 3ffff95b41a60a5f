#pragma once

#include <optional>
#include <string>

namespace orbilunex {

// Show commands of a stored placement.
constexpr int kShowHidden = 0;
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;

// Where a window is and how it is shown, as the layout stores it: eleven
// integers in a fixed order. The rectangle is the window's normal (restored)
// position; note the stored order left, right, top, bottom.
struct WindowPlacement {
    int length = 44;
    int flags = 0;
    int showCommand = kShowNormal;
    int minX = -1;
    int minY = -1;
    int maxX = -1;
    int maxY = -1;
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const WindowPlacement& other) const;
};

// "44, 0, 1, -1, -1, -1, -1, left, right, top, bottom": decimal integers
// separated by ", ".
std::string formatPlacement(const WindowPlacement& placement);

// Reads the eleven integers back. Separators are "," with any blanks around
// them; text after the eleventh number is ignored. Nothing, or fewer than
// eleven numbers, or a number beyond the int range gives no placement.
std::optional<WindowPlacement> parsePlacement(const std::string& text);

// A monitor window's entry: the kind code, then the eleven integers.
std::string formatWindowEntry(int kindCode, const WindowPlacement& placement);
bool parseWindowEntry(const std::string& text, int& kindCode, WindowPlacement& placement);

} // namespace orbilunex
