#include "framework/PlacementGeometry.h"

#include <algorithm>

namespace orbilunex {

namespace {

constexpr int kSmallestSide = 40;
constexpr int kLargestSide = 20000;
// How much of a window must stay inside the area to be grabbed and moved.
constexpr int kVisibleCorner = 48;

} // namespace

QRect placementRect(const WindowPlacement& p)
{
    return QRect(QPoint(p.left, p.top), QSize(p.right - p.left, p.bottom - p.top));
}

void setPlacementRect(WindowPlacement& p, const QRect& rect)
{
    p.left = rect.left();
    p.top = rect.top();
    p.right = rect.left() + rect.width();
    p.bottom = rect.top() + rect.height();
}

QRect reachableRect(const QRect& wanted, const QRect& area, const QSize& fallbackSize,
                    bool fitInside)
{
    // Sizes are computed in 64 bits: stored values may be anything.
    const long long width = static_cast<long long>(wanted.right()) - wanted.left() + 1;
    const long long height = static_cast<long long>(wanted.bottom()) - wanted.top() + 1;
    QSize size(static_cast<int>(std::clamp<long long>(width, 0, kLargestSide)),
               static_cast<int>(std::clamp<long long>(height, 0, kLargestSide)));
    if (width < kSmallestSide || height < kSmallestSide || width > kLargestSide ||
        height > kLargestSide)
        size = fallbackSize;
    if (fitInside) size = size.boundedTo(area.size());

    const int visible = std::min({kVisibleCorner, size.width(), size.height()});
    const int x = std::clamp(wanted.left(), area.left() - size.width() + visible,
                             std::max(area.left(), area.right() + 1 - visible));
    const int y = std::clamp(wanted.top(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - visible));
    if (fitInside) {
        // The main window goes wholly onto its screen.
        const int fx = std::clamp(x, area.left(), area.right() + 1 - size.width());
        const int fy = std::clamp(y, area.top(), area.bottom() + 1 - size.height());
        return QRect(QPoint(fx, fy), size);
    }
    return QRect(QPoint(x, y), size);
}

} // namespace orbilunex
