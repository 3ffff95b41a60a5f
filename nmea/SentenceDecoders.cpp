#include "nmea/SentenceDecoders.h"

#include "nmea/FieldReader.h"
#include "nmea/NumberReader.h"

#include <cstdint>

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

    // Vertical speed over the minute-and-second clock: the hour is not used,
    // so passing the full hour (or time going back) keeps the old value.
    const std::int32_t t = s.ggaMinute * 60 + s.ggaSecond;
    if (s.prevAltitudeTime < t)
        s.verticalSpeed = (s.altitude - s.prevAltitude) / ((t - s.prevAltitudeTime) / 60.0);
    s.prevAltitude = s.altitude;
    s.prevAltitudeTime = t;
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

} // namespace orbilunex
