#pragma once

// Pixel points and rectangles as the window models lay their pictures out,
// in device pixels, free of any drawing library.

namespace orbilunex {

// A point in device pixels.
struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint& o) const { return x == o.x && y == o.y; }
};

// A rectangle with exclusive right and bottom edges.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PixelRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

} // namespace orbilunex
