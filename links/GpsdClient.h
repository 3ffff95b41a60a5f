#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <string>

namespace orbilunex {

class NetConnection;

// Keeps only the NMEA of a gpsd stream: every line that begins with '{' is
// one of gpsd's own JSON reports (VERSION, DEVICES, WATCH ...) and is dropped
// up to and including its line feed. Remembers where it is between blocks,
// so a report split across reads is dropped whole.
class GpsdLineFilter {
public:
    // Removes the dropped bytes from bytes[0, count) in place, keeping the
    // order of the rest; returns how many bytes remain.
    std::size_t filter(char* bytes, std::size_t count);

private:
    bool lineStart = true;
    bool dropping = false;
};

// Whether line (without its line feed) is gpsd's greeting: a JSON object of
// class VERSION.
bool isGpsdGreeting(const std::string& line);

enum class GpsdOutcome {
    Connected,
    BadPort,      // not a TCP port number
    Refused,      // nothing listens there
    HostNotFound, // the name does not resolve
    NoAnswer,     // no connection within the time allowed, or another error
    NotGpsd,      // something answered, but not with gpsd's greeting
};

// The message for a connect to gpsd at host:port that did not succeed ("" for
// Connected).
std::string gpsdFailureText(GpsdOutcome outcome, const std::string& host, int port);

// A client of gpsd for its raw NMEA: connects, checks that the server greets
// as gpsd does, asks it to watch with NMEA, then hands over the NMEA bytes.
class GpsdClient : public QObject {
    Q_OBJECT

public:
    // How long gpsd may take to send its greeting once connected.
    static constexpr int kGreetingTimeoutMs = 3000;
    // A first line longer than this is no gpsd greeting.
    static constexpr std::size_t kMaxGreetingLength = 1024;
    // Bytes the socket takes from the system between reads; beyond that TCP
    // holds gpsd back.
    static constexpr qint64 kReadBufferSize = 8 * 1024 * 1024;

    GpsdClient();
    ~GpsdClient() override;

    // Connects and asks for the NMEA stream, waiting in local event loops
    // (the interface stays alive): up to connectTimeoutMs for the connection,
    // then up to greetingTimeoutMs for the greeting. Anything but Connected
    // leaves the client closed.
    GpsdOutcome open(const QString& host, int port, int connectTimeoutMs,
                     int greetingTimeoutMs = kGreetingTimeoutMs);

    // Takes up to maximum received bytes with gpsd's JSON lines left out;
    // never waits. Fewer than maximum means nothing more has arrived: JSON
    // is taken and dropped until NMEA fills the block.
    std::size_t take(char* out, std::size_t maximum);

    // True once the server closed and everything it sent has been taken, or
    // when nothing is open.
    bool ended() const;

    // Ends the connection and discards what is queued.
    void close();

private:
    bool readGreeting(int timeoutMs);

    NetConnection* connection = nullptr;
    GpsdLineFilter filter;
};

} // namespace orbilunex
