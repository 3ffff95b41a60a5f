#include "Stats.h"

#include "NmeaFormat.h"
#include "Sentences.h"

#include <algorithm>

namespace orbilunex::simgps {

Stats::Stats()
{
    lowest_.fill(kUnseen);
    minBySystem_.fill(99);
}

void Stats::add(const EpochReport& r)
{
    ++epochs_;
    ++quality_[r.quality];
    const int inView = static_cast<int>(r.satellites.size());
    minInView_ = std::min(minInView_, inView);
    maxInView_ = std::max(maxInView_, inView);
    ++gsvMessages_[std::min(kMostGsv, static_cast<int>(gsvBodies(r).size()))];
    multiSystem_ = r.multiSystem();
    for (GnssSystem system : r.systems) {
        const int id = static_cast<int>(system);
        const int n = static_cast<int>(std::count_if(r.satellites.begin(), r.satellites.end(),
            [system](const SatelliteReport& s) { return s.system == system; }));
        minBySystem_[id] = std::min(minBySystem_[id], n);
        maxBySystem_[id] = std::max(maxBySystem_[id], n);
    }
    for (const SatelliteReport& s : r.satellites) {
        if (s.used && s.snr >= kStrongSnr)
            lowest_[s.azimuth] = std::min(lowest_[s.azimuth], s.elevation);
    }
    if (r.hasFix()) {
        highHdop_ += r.hdop > 3.0 ? 1 : 0;
        maxSpeedKnots_ = std::max(maxSpeedKnots_, r.speedKnots);
        minAltitude_ = std::min(minAltitude_, r.altitude);
        maxAltitude_ = std::max(maxAltitude_, r.altitude);
    }
    const bool arrived = r.route && r.route->arrived;
    if (r.route)
        ++routeEpochs_;
    arrivals_ += (arrived && !wasArrived_) ? 1 : 0;
    wasArrived_ = arrived;
}

void Stats::sector(int from, int to, int& lowest, int& highest, int& seen) const
{
    lowest = kUnseen;
    highest = 0;
    seen = 0;
    for (int az = from; az <= to; ++az) {
        const int value = lowest_[az % 360];
        if (value == kUnseen)
            continue;
        ++seen;
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
}

void Stats::print(std::ostream& out) const
{
    out << "epochs " << epochs_ << ": no fix " << quality_[0] << ", GPS " << quality_[1]
        << ", differential " << quality_[2] << "\n";
    out << "satellites in view " << minInView_ << ".." << maxInView_ << "; GSV groups:";
    for (int n = 1; n <= kMostGsv; ++n)
        if (gsvMessages_[n] > 0)
            out << ' ' << n << "x" << gsvMessages_[n];
    out << "\n";
    if (multiSystem_) {
        static const char* const names[] = {"", "GPS", "GLONASS", "Galileo", "BeiDou"};
        out << "in view by system:";
        for (int id = 1; id <= 4; ++id)
            out << ' ' << names[id] << ' ' << minBySystem_[id] << ".." << maxBySystem_[id];
        out << "\n";
    }
    out << "fixes with HDOP > 3.0: " << highHdop_ << "\n";
    out << "max speed " << fixedField(maxSpeedKnots_, 1) << " kn (" << fixedField(maxSpeedKnots_ * 1.852, 1)
        << " km/h); altitude " << fixedField(minAltitude_, 1) << ".." << fixedField(maxAltitude_, 1) << " m\n";
    out << "route: " << routeEpochs_ << " epochs with RMB, " << arrivals_ << " arrivals\n";
    out << "horizon mask (lowest elevation of a used satellite with SNR >= " << kStrongSnr << "):\n";
    out << "  sector    lowest  worst-degree  degrees-seen\n";
    for (int from = 0; from < 360; from += 30) {
        int lowest = 0, highest = 0, seen = 0;
        sector(from, from + 29, lowest, highest, seen);
        out << "  " << paddedField(from, 3) << "-" << paddedField(from + 29, 3) << "     "
            << paddedField(lowest, 2) << "        " << paddedField(highest, 2) << "          " << seen << "/30\n";
    }
    int lowest = 0, highest = 0, seen = 0;
    sector(200, 250, lowest, highest, seen);
    out << "  obstructed 200-250: lowest " << lowest << ", degrees seen " << seen << "/51\n";
}

} // namespace orbilunex::simgps
