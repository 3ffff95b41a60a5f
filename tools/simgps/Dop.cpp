#include "Dop.h"

#include "DetMath.h"

#include <cmath>
#include <utility>

namespace orbilunex::simgps {
namespace {

using Matrix4 = double[4][4];

// Gauss-Jordan with partial pivoting; false if the matrix is (near) singular.
bool invert(Matrix4& a, Matrix4& inverse)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            inverse[r][c] = (r == c) ? 1.0 : 0.0;
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
                pivot = r;
        if (std::fabs(a[pivot][col]) < 1e-12)
            return false;
        for (int c = 0; c < 4; ++c) {
            std::swap(a[col][c], a[pivot][c]);
            std::swap(inverse[col][c], inverse[pivot][c]);
        }
        const double scale = 1.0 / a[col][col];
        for (int c = 0; c < 4; ++c) {
            a[col][c] *= scale;
            inverse[col][c] *= scale;
        }
        for (int r = 0; r < 4; ++r) {
            if (r == col)
                continue;
            const double factor = a[r][col];
            for (int c = 0; c < 4; ++c) {
                a[r][c] -= factor * a[col][c];
                inverse[r][c] -= factor * inverse[col][c];
            }
        }
    }
    return true;
}

} // namespace

bool computeDops(const std::vector<Direction>& used, Dops& out)
{
    if (used.size() < 4)
        return false;
    Matrix4 normal = {};
    for (const Direction& d : used) {
        const double cosEl = cosDeg(d.elevation);
        const double row[4] = {-cosEl * sinDeg(d.azimuth), -cosEl * cosDeg(d.azimuth),
                               -sinDeg(d.elevation), 1.0};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                normal[r][c] += row[r] * row[c];
    }
    Matrix4 q = {};
    if (!invert(normal, q))
        return false;
    const double horizontal = q[0][0] + q[1][1];
    out.hdop = std::sqrt(horizontal);
    out.vdop = std::sqrt(q[2][2]);
    out.pdop = std::sqrt(horizontal + q[2][2]);
    return true;
}

} // namespace orbilunex::simgps
