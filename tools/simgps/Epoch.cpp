#include "Epoch.h"

namespace orbilunex::simgps {
namespace {

constexpr int kStartYear = 2026;
constexpr int kStartMonth = 5;
constexpr int kStartDay = 21;
constexpr int kStartSecondOfDay = 9 * 3600 + 47 * 60;

int daysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return (month == 2 && leap) ? 29 : days[month - 1];
}

} // namespace

const std::vector<GnssSystem>& gpsOnly()
{
    static const std::vector<GnssSystem> systems{GnssSystem::Gps};
    return systems;
}

const std::vector<GnssSystem>& everySystem()
{
    static const std::vector<GnssSystem> systems{GnssSystem::Gps, GnssSystem::Glonass,
                                                 GnssSystem::Galileo, GnssSystem::Beidou};
    return systems;
}

UtcTime utcAt(int secondsFromStart)
{
    const int total = kStartSecondOfDay + secondsFromStart;
    UtcTime t{kStartYear, kStartMonth, kStartDay, 0, 0, 0};
    for (int d = total / 86400; d > 0; --d) {
        if (++t.day > daysInMonth(t.year, t.month)) {
            t.day = 1;
            if (++t.month > 12) {
                t.month = 1;
                ++t.year;
            }
        }
    }
    const int ofDay = total % 86400;
    t.hour = ofDay / 3600;
    t.minute = ofDay / 60 % 60;
    t.second = ofDay % 60;
    return t;
}

int EpochReport::usedCount() const
{
    int n = 0;
    for (const SatelliteReport& s : satellites)
        n += s.used ? 1 : 0;
    return n;
}

} // namespace orbilunex::simgps
