#include "links/GpsdClient.h"

#include "links/LinkTexts.h"
#include "links/NetConnection.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

namespace orbilunex {

namespace {

// Asks for the NMEA sentences as gpsd receives them, alongside its reports.
constexpr char kWatchNmea[] = "?WATCH={\"enable\":true,\"nmea\":true};\n";

} // namespace

std::size_t GpsdLineFilter::filter(char* bytes, std::size_t count)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = bytes[i];
        if (lineStart) dropping = c == '{';
        if (!dropping) bytes[kept++] = c;
        lineStart = c == '\n';
    }
    return kept;
}

bool isGpsdGreeting(const std::string& line)
{
    return !line.empty() && line[0] == '{' &&
           line.find("\"class\":\"VERSION\"") != std::string::npos;
}

std::string gpsdFailureText(GpsdOutcome outcome, const std::string& host, int port)
{
    const std::string where = host + ":" + std::to_string(port);
    const char* why = nullptr;
    switch (outcome) {
    case GpsdOutcome::Connected: return "";
    case GpsdOutcome::NotGpsd:
        return std::string(texts::kGpsdNotGpsdPrefix) + where + texts::kGpsdNotGpsdSuffix;
    case GpsdOutcome::BadPort: why = texts::kGpsdBadPort; break;
    case GpsdOutcome::Refused: why = texts::kGpsdRefused; break;
    case GpsdOutcome::HostNotFound: why = texts::kGpsdHostNotFound; break;
    case GpsdOutcome::NoAnswer: why = texts::kGpsdNoAnswer; break;
    }
    return std::string(texts::kGpsdConnectPrefix) + where + ": " + why;
}

GpsdClient::GpsdClient() = default;

GpsdClient::~GpsdClient() = default;

GpsdOutcome GpsdClient::open(const QString& host, int port, int connectTimeoutMs,
                             int greetingTimeoutMs)
{
    close();
    if (port < 1 || port > 65535) return GpsdOutcome::BadPort;
    auto* attempt = new NetConnection();
    attempt->setParent(this);
    // The first error says why a connect failed; connectTo only says that it did.
    bool failed = false;
    QAbstractSocket::SocketError error = QAbstractSocket::UnknownSocketError;
    const QMetaObject::Connection watch = connect(
        attempt->socket(), &QTcpSocket::errorOccurred, this,
        [&failed, &error](QAbstractSocket::SocketError e) {
            if (!failed) error = e;
            failed = true;
        });
    const bool connected = attempt->connectTo(host, static_cast<quint16>(port), connectTimeoutMs);
    disconnect(watch);
    if (!connected) {
        attempt->deleteLater();
        if (failed && error == QAbstractSocket::ConnectionRefusedError) return GpsdOutcome::Refused;
        if (failed && error == QAbstractSocket::HostNotFoundError) return GpsdOutcome::HostNotFound;
        return GpsdOutcome::NoAnswer;
    }
    connection = attempt;
    // gpsd's reports come in bursts far larger than its NMEA (a sky view a
    // second, more on a first watch); all of a burst is taken in between
    // ticks, and the NMEA behind it reaches the next one.
    connection->socket()->setReadBufferSize(kReadBufferSize);
    // Before the greeting was checked nothing is sent: the server may be
    // anything.
    if (!readGreeting(greetingTimeoutMs)) {
        close();
        return GpsdOutcome::NotGpsd;
    }
    // Queued without waiting; a server that goes away then shows as ended.
    connection->send(kWatchNmea, static_cast<qint64>(sizeof kWatchNmea - 1));
    filter = GpsdLineFilter();
    return GpsdOutcome::Connected;
}

bool GpsdClient::readGreeting(int timeoutMs)
{
    std::string line;
    bool done = false;
    QEventLoop wait;
    // Takes one byte at a time so that nothing after the first line is
    // consumed here.
    auto readLine = [&] {
        char c = 0;
        while (!done && connection->take(&c, 1) == 1) {
            if (c == '\n' || line.size() >= kMaxGreetingLength)
                done = true;
            else
                line += c;
        }
        if (connection->closedFlag()) done = true;
        if (done) wait.quit();
    };
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &wait, &QEventLoop::quit);
    connect(connection->socket(), &QTcpSocket::readyRead, &wait, readLine);
    connect(connection, &NetConnection::peerClosed, &wait, readLine);
    readLine();
    if (!done) {
        timer.start(timeoutMs);
        wait.exec();
    }
    return isGpsdGreeting(line);
}

std::size_t GpsdClient::take(char* out, std::size_t maximum)
{
    if (connection == nullptr) return 0;
    // A block short of JSON is no sign that nothing waits: take on until
    // the block is full of NMEA or nothing is left, so that the data path
    // (which ends its tick on a short block) reaches the NMEA behind a burst.
    std::size_t kept = 0;
    while (kept < maximum) {
        const std::size_t n = connection->take(out + kept, maximum - kept);
        if (n == 0) break;
        kept += filter.filter(out + kept, n);
    }
    return kept;
}

bool GpsdClient::ended() const
{
    return connection == nullptr || (connection->closedFlag() && !connection->hasPending());
}

void GpsdClient::close()
{
    if (connection == nullptr) return;
    NetConnection* old = connection;
    connection = nullptr;
    old->shutdownAndDiscard();
    old->deleteLater();
}

} // namespace orbilunex
