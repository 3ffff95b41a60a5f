#include "nmea/SentenceDecoders.h"

#include "nmea/FieldReader.h"
#include "nmea/NumberReader.h"

#include <cstdint>
#include <limits>

namespace orbilunex {

namespace {

// The double nearest 1/60: positions are degrees + minutes times this, so
// that they agree to the bit with other readers of the same sentences.
constexpr double kMinutesToDegrees = 0.016666666666666666;

// Fields are read in place; each is at most the 24 characters a work buffer
// would hold, so the readers see exactly what a copied field would show.
std::int32_t integerOf(FieldView field)
{
    return readInteger(field.text, static_cast<std::size_t>(field.length));
}

double realOf(FieldView field)
{
    return readReal(field.text, static_cast<std::size_t>(field.length));
}

// Integer value of the two characters at `offset` of a field, read on their
// own; characters past the end of the field are simply missing.
std::int32_t readPair(FieldView field, int offset)
{
    if (offset >= field.length) return 0;
    const int n = field.length - offset < 2 ? field.length - offset : 2;
    return readInteger(field.text + offset, static_cast<std::size_t>(n));
}

// hhmmss(.ss) into three 8-bit members; the fraction of a second is dropped.
void readTime(FieldView field, std::uint8_t& hour, std::uint8_t& minute, std::uint8_t& second)
{
    hour = static_cast<std::uint8_t>(readPair(field, 0));
    minute = static_cast<std::uint8_t>(readPair(field, 2));
    second = static_cast<std::uint8_t>(readPair(field, 4));
}

// ddmm.mmmm (degreeDigits 2) or dddmm.mmmm (3) into degrees: the degree
// characters and the minutes are read as separate numbers.
double readCoordinate(FieldView field, int degreeDigits)
{
    const int n = field.length < degreeDigits ? field.length : degreeDigits;
    const double minutes = readReal(field.text + n, static_cast<std::size_t>(field.length - n));
    return readReal(field.text, static_cast<std::size_t>(n)) + minutes * kMinutesToDegrees;
}

// A coordinate and its hemisphere field. An empty coordinate keeps the old
// value, sign included, whatever the hemisphere says.
void readPosition(const FieldReader& fields, int index, int degreeDigits, char negativeLetter,
                  double& member)
{
    const FieldView field = fields.field(index);
    if (!field.present()) return;
    member = readCoordinate(field, degreeDigits);
    const FieldView hemisphere = fields.field(index + 1);
    if (hemisphere.present() && hemisphere.first() == negativeLetter) member = -member;
}

double realOrZero(const FieldReader& fields, int index)
{
    const FieldView field = fields.field(index);
    return field.present() ? realOf(field) : 0.0;
}

std::int32_t integerOr(const FieldReader& fields, int index, std::int32_t empty)
{
    const FieldView field = fields.field(index);
    return field.present() ? integerOf(field) : empty;
}

std::int32_t integerOrZero(const FieldReader& fields, int index)
{
    return integerOr(fields, index, 0);
}

char characterOr(const FieldReader& fields, int index, char empty)
{
    const FieldView field = fields.field(index);
    return field.present() ? field.first() : empty;
}

void keepCharacter(const FieldReader& fields, int index, char& member)
{
    const FieldView field = fields.field(index);
    if (field.present()) member = field.first();
}

// A single quality or fix-type digit; any other character is stored as its
// code minus '0' ("x" gives 72).
void keepDigit(const FieldReader& fields, int index, std::uint8_t& member)
{
    const FieldView field = fields.field(index);
    if (field.present()) member = static_cast<std::uint8_t>(field.first() - '0');
}

void copyText(const FieldReader& fields, int index, char (&member)[kWaypointSize])
{
    const FieldView field = fields.field(index);
    for (int i = 0; i < field.length; ++i) member[i] = field.text[i];
    member[field.length] = '\0';
}

// Vertical speed over the minute-and-second clock: the hour is not used,
// so passing the full hour (or time going back) keeps the old value.
void noteAltitude(GpsState& s, int minute, int second)
{
    const std::int32_t t = minute * 60 + second;
    if (s.prevAltitudeTime < t)
        s.verticalSpeed = (s.altitude - s.prevAltitude) / ((t - s.prevAltitudeTime) / 60.0);
    s.prevAltitude = s.altitude;
    s.prevAltitudeTime = t;
}

} // namespace

// $GPGGA,095121.00,4716.7820,N,01120.8885,E,2,08,1.2,602.8,M,48.3,M,5.0,0117*43
// time, lat, N/S, lon, E/W, quality, satellites used, HDOP, altitude, then
// altitude unit, geoid separation and differential data (ignored).
void decodeGga(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    const FieldView time = fields.field(0);
    if (time.present()) readTime(time, s.ggaHour, s.ggaMinute, s.ggaSecond);
    readPosition(fields, 1, 2, 'S', s.latitude);
    readPosition(fields, 3, 3, 'W', s.longitude);
    keepDigit(fields, 5, s.fixQuality);
    const FieldView used = fields.field(6);
    if (used.present()) s.satellitesUsed = static_cast<std::uint8_t>(readPair(used, 0));
    const FieldView hdop = fields.field(7);
    if (hdop.present()) s.hdop = realOf(hdop);
    const FieldView altitude = fields.field(8);
    if (altitude.present()) s.altitude = realOf(altitude);
    noteAltitude(s, s.ggaMinute, s.ggaSecond);
    ++s.ggaCount;
}

// $GPGSA,A,3,05,11,12,16,22,23,25,31,,,,,1.7,1.2,1.3*30
// mode, fix type, twelve PRNs of the satellites used, PDOP, HDOP, VDOP.
void decodeGsa(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    keepCharacter(fields, 0, s.gsaMode);
    keepDigit(fields, 1, s.fixType);
    for (int i = 0; i < kGsaPrnFields; ++i)
        s.activePrns[i] = static_cast<std::uint16_t>(integerOrZero(fields, 2 + i));
    s.pdop = realOrZero(fields, 14);
    s.gsaHdop = realOrZero(fields, 15);
    s.vdop = realOrZero(fields, 16);
    ++s.gsaCount;
}

namespace {

// Message numbers and totals outside 1..9 would address entries beyond the
// 36-entry table: such messages are not trusted at all.
bool readMessageNumber(const FieldReader& fields, int index, std::int32_t& value)
{
    const FieldView field = fields.field(index);
    if (!field.present()) return false;
    value = integerOf(field);
    return value >= 1 && value <= 9;
}

bool isActivePrn(const GpsState& s, std::uint16_t prn)
{
    if (prn == 0) return false;
    for (int i = 0; i < kGsaPrnFields; ++i)
        if (s.activePrns[i] == prn) return true;
    return false;
}

} // namespace

// $GPGSV,3,1,12,05,06,324,42,11,41,110,48,12,56,309,50,16,25,160,45*78
// total messages, message number, satellites in view, then four times
// PRN, elevation, azimuth, SNR. Message m writes entries (m-1)*4 .. (m-1)*4+3.
void decodeGsv(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    std::int32_t total = 0;
    std::int32_t message = 0;
    if (!readMessageNumber(fields, 0, total)) return;
    if (!readMessageNumber(fields, 1, message)) return;
    const FieldView inView = fields.field(2);
    if (inView.present()) s.satellitesInView = static_cast<std::uint16_t>(integerOf(inView));

    for (int k = 0; k < 4; ++k) {
        SatelliteInfo& sat = s.satellites[(message - 1) * 4 + k];
        const int base = 3 + 4 * k;
        sat.prn = static_cast<std::uint16_t>(integerOrZero(fields, base));
        sat.elevation = static_cast<std::uint16_t>(integerOrZero(fields, base + 1));
        sat.azimuth = static_cast<std::uint16_t>(integerOrZero(fields, base + 2));
        sat.snr = static_cast<std::uint16_t>(integerOrZero(fields, base + 3));
        // Judged once, against the GSA standing now; a later GSA does not
        // change it until this block is sent again.
        sat.usedInSolution = isActivePrn(s, sat.prn) ? 1 : 0;
    }
    ++s.gsvCount;
}

// $GPRMB,A,0.00,L,DEPOT,MILL,4717.2968,N,01120.9213,E,0.5,2.4,26.7,V*43
// status, cross-track error, steer L/R, origin id, destination id,
// destination lat, N/S, lon, E/W, range, bearing, closing velocity, arrival.
void decodeRmb(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    s.rmbStatus = characterOr(fields, 0, 'V');
    s.crossTrackError = realOrZero(fields, 1);
    s.steerDirection = characterOr(fields, 2, '?');
    copyText(fields, 3, s.originWaypoint);
    copyText(fields, 4, s.destinationWaypoint);
    readPosition(fields, 5, 2, 'S', s.destLatitude);
    readPosition(fields, 7, 3, 'W', s.destLongitude);
    s.rangeToDestination = realOrZero(fields, 9);
    s.bearingToDestination = realOrZero(fields, 10);
    s.closingVelocity = realOrZero(fields, 11);
    s.arrivalStatus = characterOr(fields, 12, 'V');
    ++s.rmbCount;
}

// $GPRMC,095120.00,A,4716.7742,N,01120.8895,E,27.0,353.9,210526,3.6,E*65
// time, status, lat, N/S, lon, E/W, speed knots, course, date ddmmyy,
// magnetic variation, E/W.
void decodeRmc(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    const FieldView time = fields.field(0);
    if (time.present()) readTime(time, s.rmcHour, s.rmcMinute, s.rmcSecond);
    s.rmcStatus = characterOr(fields, 1, 'V');
    readPosition(fields, 2, 2, 'S', s.rmcLatitude);
    readPosition(fields, 4, 3, 'W', s.rmcLongitude);
    s.speedOverGround = realOrZero(fields, 6);
    s.courseOverGround = realOrZero(fields, 7);
    const FieldView date = fields.field(8);
    if (date.present()) {
        s.rmcDay = static_cast<std::uint8_t>(readPair(date, 0));
        s.rmcMonth = static_cast<std::uint8_t>(readPair(date, 2));
        s.rmcYear = static_cast<std::uint16_t>(2000 + readPair(date, 4));
    }
    s.magneticVariation = realOrZero(fields, 9);
    if (characterOr(fields, 10, '\0') == 'W') s.magneticVariation = -s.magneticVariation;
    ++s.rmcCount;
}

// $GPZDA,095120.00,21,05,2026,00,00*69
// time, day, month, four-digit year, local zone hours, local zone minutes.
void decodeZda(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    const FieldView time = fields.field(0);
    if (time.present()) readTime(time, s.zdaHour, s.zdaMinute, s.zdaSecond);
    s.zdaDay = static_cast<std::uint8_t>(integerOr(fields, 1, 1));
    s.zdaMonth = static_cast<std::uint8_t>(integerOr(fields, 2, 1));
    s.zdaYear = static_cast<std::uint16_t>(integerOr(fields, 3, 1));
    s.localZoneHours = static_cast<std::int8_t>(integerOrZero(fields, 4));
    s.localZoneMinutes = static_cast<std::int8_t>(integerOrZero(fields, 5));
    ++s.zdaCount;
}

// ---- Decoded only while every satellite system is ------------------------

namespace {

// Ten position sentences, the newest included: a receiver that sends GGA
// every epoch but GLL or RMC several times between keeps its GGA's quality.
constexpr std::uint16_t kQualityWindow = 0x3ff;

bool ggaOwnsQuality(const GpsState& s)
{
    return (s.qualityHistory & kQualityWindow) != 0;
}

void notePositionSentence(GpsState& s, bool gaveQuality)
{
    s.qualityHistory =
        static_cast<std::uint16_t>(((s.qualityHistory << 1) | (gaveQuality ? 1u : 0u)) & kQualityWindow);
}

// The quality an RMC or GLL says: its mode indicator when it has one, else
// its status. A status "V" beside a mode that claims a real fix means no
// fix; estimated, manual and simulated modes come with "V" by rule.
int statusQuality(char status, char mode)
{
    if (mode == '\0') return status == 'A' ? 1 : 0;
    const int quality = modeIndicatorQuality(mode);
    if (status != 'A' && quality >= 1 && quality <= 5) return 0;
    return quality;
}

// An RMC or GLL with no GGA or GNS about: it sets the quality, and a fix
// moves the position.
void takeStatusFix(GpsState& s, const FieldReader& fields, int latitudeIndex, char status,
                   char mode)
{
    if (ggaOwnsQuality(s)) return;
    const int quality = statusQuality(status, mode);
    s.fixQuality = static_cast<std::uint8_t>(quality);
    if (quality == 0) return;
    readPosition(fields, latitudeIndex, 2, 'S', s.latitude);
    readPosition(fields, latitudeIndex + 2, 3, 'W', s.longitude);
}

// A GNS mode field has a character per system; the fix is the best of them.
int gnsQuality(FieldView mode)
{
    static constexpr char kBestFirst[] = "RFDPAEMS";
    for (const char* c = kBestFirst; *c != '\0'; ++c)
        for (int i = 0; i < mode.length; ++i)
            if (mode.text[i] == *c) return modeIndicatorQuality(*c);
    return 0;
}

double realOrNan(const FieldReader& fields, int index)
{
    const FieldView field = fields.field(index);
    return field.present() ? realOf(field) : std::numeric_limits<double>::quiet_NaN();
}

} // namespace

int modeIndicatorQuality(char mode)
{
    switch (mode) {
    case 'A': return 1;
    case 'D': return 2;
    case 'P': return 3;
    case 'R': return 4;
    case 'F': return 5;
    case 'E': return 6;
    case 'M': return 7;
    case 'S': return 8;
    default: return 0;
    }
}

void decodeGgaAllSystems(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    const bool gaveQuality = fields.field(5).present();
    if (gaveQuality) {
        decodeGga(s, data);
    } else {
        // Some receivers leave the quality empty and carry the fix in RMC:
        // the rest of the GGA still counts, its position and quality do not.
        const double latitude = s.latitude;
        const double longitude = s.longitude;
        decodeGga(s, data);
        s.latitude = latitude;
        s.longitude = longitude;
    }
    notePositionSentence(s, gaveQuality);
}

void decodeRmcAllSystems(GpsState& s, const char* data)
{
    decodeRmc(s, data);
    const FieldReader fields(data);
    notePositionSentence(s, false);
    takeStatusFix(s, fields, 2, s.rmcStatus, characterOr(fields, 11, '\0'));
}

// $GPGLL,4916.45,N,12311.12,W,225444,A,A*5C
// lat, N/S, lon, E/W, time, status, mode (NMEA 2.3 on).
void decodeGll(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    readPosition(fields, 0, 2, 'S', s.gllLatitude);
    readPosition(fields, 2, 3, 'W', s.gllLongitude);
    const FieldView time = fields.field(4);
    if (time.present()) readTime(time, s.gllHour, s.gllMinute, s.gllSecond);
    s.gllStatus = characterOr(fields, 5, 'V');
    s.gllMode = characterOr(fields, 6, '\0');
    notePositionSentence(s, false);
    takeStatusFix(s, fields, 0, s.gllStatus, s.gllMode);
    ++s.gllCount;
}

// $GNGNS,112257.00,3844.24011,N,00908.43828,W,AN,03,10.5,,,,,V*1C
// time, lat, N/S, lon, E/W, mode per system, satellites used, HDOP,
// altitude, geoid separation, then differential data and (4.10) status.
void decodeGns(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    const FieldView time = fields.field(0);
    if (time.present()) readTime(time, s.gnsHour, s.gnsMinute, s.gnsSecond);
    const FieldView mode = fields.field(5);
    const int modeLength = mode.length < kGnsModeSize - 1 ? mode.length : kGnsModeSize - 1;
    for (int i = 0; i < modeLength; ++i) s.gnsMode[i] = mode.text[i];
    s.gnsMode[modeLength] = '\0';
    const FieldView used = fields.field(6);
    if (used.present()) s.satellitesUsed = static_cast<std::uint8_t>(readPair(used, 0));
    const FieldView hdop = fields.field(7);
    if (hdop.present()) s.hdop = realOf(hdop);
    const FieldView separation = fields.field(9);
    if (separation.present()) s.geoidSeparation = realOf(separation);
    if (mode.present()) {
        const int quality = gnsQuality(mode);
        s.fixQuality = static_cast<std::uint8_t>(quality);
        if (quality != 0) {
            readPosition(fields, 1, 2, 'S', s.latitude);
            readPosition(fields, 3, 3, 'W', s.longitude);
            const FieldView altitude = fields.field(8);
            if (altitude.present()) {
                s.altitude = realOf(altitude);
                noteAltitude(s, s.gnsMinute, s.gnsSecond);
            }
        }
    }
    notePositionSentence(s, mode.present());
    ++s.gnsCount;
}

// $GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A*25
// course true, T, course magnetic, M, knots, N, km/h, K, mode (2.3 on).
// Old receivers send the four numbers alone: $GPVTG,054.7,034.4,005.5,010.2
void decodeVtg(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    const FieldView unitT = fields.field(1);
    const bool lettered = unitT.present() && unitT.first() == 'T';
    const int knotsIndex = lettered ? 4 : 2;
    const int kmhIndex = lettered ? 6 : 3;
    s.vtgMode = lettered ? characterOr(fields, 8, '\0') : '\0';
    ++s.vtgCount;
    if (s.vtgMode == 'N') return;
    const FieldView course = fields.field(0);
    const FieldView knots = fields.field(knotsIndex);
    const FieldView kmh = fields.field(kmhIndex);
    if (!course.present() && !knots.present() && !kmh.present()) return;
    if (course.present()) s.courseOverGround = realOf(course);
    if (knots.present()) s.speedOverGround = realOf(knots);
    else if (kmh.present()) s.speedOverGround = realOf(kmh) / 1.852;
}

// $GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031*6A
// time, RMS of the range residuals, error ellipse semi-major, semi-minor,
// orientation, sigma latitude, longitude, altitude. Each GST replaces the
// whole estimate: an empty field is an unknown figure.
void decodeGst(GpsState& s, const char* data)
{
    const FieldReader fields(data);
    const FieldView time = fields.field(0);
    if (time.present()) readTime(time, s.gstHour, s.gstMinute, s.gstSecond);
    s.gstRms = realOrNan(fields, 1);
    s.gstSemiMajor = realOrNan(fields, 2);
    s.gstSemiMinor = realOrNan(fields, 3);
    s.gstOrientation = realOrNan(fields, 4);
    s.gstSigmaLatitude = realOrNan(fields, 5);
    s.gstSigmaLongitude = realOrNan(fields, 6);
    s.gstSigmaAltitude = realOrNan(fields, 7);
    ++s.gstCount;
}

} // namespace orbilunex
