#pragma once

#include <string>

namespace orbilunex::simgps {

// Where the simulated drive takes place. The route and terrain are laid out in
// metres around the origin, so any site gets the same scenario; two sites give
// logs in both hemisphere pairs (N/E and S/W).
struct Site {
    const char* name;
    double latitude;          // degrees, south negative
    double longitude;         // degrees, west negative
    double baseAltitude;      // metres above mean sea level at the origin
    double geoidSeparation;   // metres, geoid above the ellipsoid
    double magneticVariation; // degrees, east positive
};

const Site& defaultSite();
// nullptr when there is no site of that name.
const Site* findSite(const std::string& name);
std::string siteNames(); // for the usage text

struct GeoPoint {
    double latitude;
    double longitude;
};

// Flat projection around the site origin. Exactly invertible, and over the
// ten kilometres of the drive it is within a fraction of a per cent of the
// great-circle figures a decoder would compute.
class LocalFrame {
public:
    LocalFrame(double originLatitude, double originLongitude);
    GeoPoint toGeo(double east, double north) const;
    void toLocal(const GeoPoint& point, double& east, double& north) const;

private:
    double originLatitude_;
    double originLongitude_;
    double metresPerDegreeLatitude_;
    double metresPerDegreeLongitude_;
};

// Rolling hills: a few long sine waves, so that the drive climbs and descends
// by tens of metres at road-like grades.
double terrainHeight(double baseAltitude, double east, double north);

} // namespace orbilunex::simgps
