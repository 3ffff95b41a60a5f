#include "Geo.h"

#include "DetMath.h"

namespace orbilunex::simgps {
namespace {

constexpr double kEarthRadius = 6371008.8; // mean radius, metres

const Site kSites[] = {
    {"north-east", 47.2613, 11.3467, 590.0, 48.3, 3.6},
    {"south-west", -34.5211, -58.7043, 60.0, 15.2, -8.9},
};

} // namespace

const Site& defaultSite()
{
    return kSites[0];
}

const Site* findSite(const std::string& name)
{
    for (const Site& site : kSites) {
        if (name == site.name)
            return &site;
    }
    return nullptr;
}

std::string siteNames()
{
    std::string names;
    for (const Site& site : kSites) {
        if (!names.empty())
            names += ", ";
        names += site.name;
    }
    return names;
}

LocalFrame::LocalFrame(double originLatitude, double originLongitude)
    : originLatitude_(originLatitude)
    , originLongitude_(originLongitude)
    , metresPerDegreeLatitude_(kEarthRadius * kDegToRad)
    , metresPerDegreeLongitude_(kEarthRadius * kDegToRad * cosDeg(originLatitude))
{
}

GeoPoint LocalFrame::toGeo(double east, double north) const
{
    return {originLatitude_ + north / metresPerDegreeLatitude_,
            originLongitude_ + east / metresPerDegreeLongitude_};
}

void LocalFrame::toLocal(const GeoPoint& point, double& east, double& north) const
{
    north = (point.latitude - originLatitude_) * metresPerDegreeLatitude_;
    east = (point.longitude - originLongitude_) * metresPerDegreeLongitude_;
}

double terrainHeight(double baseAltitude, double east, double north)
{
    const double turn = 2.0 * kPi;
    return baseAltitude
        + 22.0 * detSin(turn * (0.00041 * east + 0.00017 * north) + 0.7)
        + 14.0 * detSin(turn * (-0.00023 * east + 0.00052 * north) + 2.1)
        + 3.0 * detSin(turn * (0.0011 * east - 0.0008 * north) + 4.0);
}

} // namespace orbilunex::simgps
