#pragma once

#include <cstdint>

namespace orbilunex {

// One stored position sample, exactly as a path file record holds it.
struct SurveySample {
    std::int32_t latitude;   // degrees x 10 000 000, north positive
    std::int32_t longitude;  // degrees x 10 000 000, east positive
    std::int32_t altitude;   // centimetres
    std::int16_t pdop10;     // PDOP x 10, kept and saved, never interpreted
    std::int32_t fix3d;      // 1 for a three-dimensional fix
    std::uint16_t vdop10;    // VDOP x 10
    std::uint16_t hdop10;    // HDOP x 10
};

// Stored units back to degrees and metres, as the statistics take them.
constexpr double kDegreesPerUnit = 0.0000001;
constexpr double kMetresPerUnit = 0.01;

// Truncates toward zero to a 32-bit signed integer, saturating at the ends
// of its range; NaN gives 0. A receiver's garbage must not reach a plain
// cast, whose result for an out-of-range double is undefined.
inline std::int32_t truncateToInt32(double value)
{
    // Both limits are exact in a double; anything at or beyond them saturates.
    if (!(value > -2147483648.0)) return value != value ? 0 : INT32_MIN;
    if (value >= 2147483647.0) return INT32_MAX;
    return static_cast<std::int32_t>(value);
}

// The low 16 bits of a saturated truncation, for the DOP fields.
inline std::uint16_t truncateToUint16(double value)
{
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(truncateToInt32(value)));
}
inline std::int16_t truncateToInt16(double value)
{
    return static_cast<std::int16_t>(truncateToUint16(value));
}

} // namespace orbilunex
