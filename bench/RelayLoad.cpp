// Relay under load: runs the headless program playing the sample log at the
// fastest speed with its relay server on, connects many clients, and checks
// that every client received exactly the tail of the recorded stream from the
// moment it connected (nothing lost, nothing reordered). Reports how long
// the clients, all connecting at once, took to be served their first bytes,
// and the program's CPU share over the run.
//   build/dev/bench/relay_load [clients=25] [seconds=30]

#include "ProcessCpu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

void pump(int milliseconds)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int clientCount = argc > 1 ? std::atoi(argv[1]) : 25;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
    QTemporaryDir folder;
    const QString recording = folder.filePath(QStringLiteral("relay.txt"));

    QProcess program;
    program.start(QStringLiteral(ORBILUNEX_PROGRAM),
                  {"--headless", "--play", QStringLiteral(SAMPLE_LOG), "--speed", "fastest",
                   "--serve", "0", "--max-clients", QString::number(clientCount), "--record",
                   recording, "--quit-after", QString::number(seconds), "--settings",
                   folder.filePath(QStringLiteral("settings.conf"))});
    if (!program.waitForStarted()) return 1;
    QByteArray output;
    quint16 port = 0;
    const QRegularExpression serving(QStringLiteral("Serving on port (\\d+)"));
    for (int i = 0; i < 500 && port == 0; ++i) {
        program.waitForReadyRead(10);
        output += program.readAllStandardOutput();
        const auto match = serving.match(QString::fromUtf8(output));
        if (match.hasMatch()) port = static_cast<quint16>(match.captured(1).toUInt());
    }
    if (port == 0) return 1;

    QElapsedTimer connecting;
    connecting.start();
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    std::vector<QByteArray> received(static_cast<std::size_t>(clientCount));
    for (int i = 0; i < clientCount; ++i) {
        auto socket = std::make_unique<QTcpSocket>();
        QTcpSocket* s = socket.get();
        QByteArray* into = &received[static_cast<std::size_t>(i)];
        QObject::connect(s, &QTcpSocket::readyRead, [s, into] { *into += s->readAll(); });
        s->connectToHost(QStringLiteral("127.0.0.1"), port);
        clients.push_back(std::move(socket));
    }
    // A client counts once bytes reach it: the server has accepted it then,
    // which a connected socket alone does not prove.
    const auto servedCount = [&received] {
        return std::count_if(received.begin(), received.end(),
                             [](const QByteArray& bytes) { return !bytes.isEmpty(); });
    };
    while (servedCount() < clientCount && connecting.elapsed() < 60000) pump(10);
    const double servedSeconds = static_cast<double>(connecting.elapsed()) / 1000.0;
    const long served = static_cast<long>(servedCount());

    QElapsedTimer wall;
    wall.start();
    double cpu = 0;
    while (program.state() != QProcess::NotRunning) {
        const double now = processCpuSeconds(program.processId());
        if (now >= 0) cpu = now;
        pump(200);
    }
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    pump(500);
    for (std::size_t i = 0; i < clients.size(); ++i) received[i] += clients[i]->readAll();

    QFile file(recording);
    if (!file.open(QIODevice::ReadOnly)) return 1;
    const QByteArray recorded = file.readAll();
    int exact = 0;
    qint64 least = recorded.size();
    for (const QByteArray& bytes : received) {
        if (!bytes.isEmpty() && bytes == recorded.right(bytes.size())) ++exact;
        least = std::min<qint64>(least, bytes.size());
    }
    std::printf("clients: %d, exact: %d, recorded: %lld bytes in %.1f s (%.0f B/s), "
                "fewest received: %lld bytes\n",
                clientCount, exact, static_cast<long long>(recorded.size()), elapsed,
                static_cast<double>(recorded.size()) / elapsed, static_cast<long long>(least));
    std::printf("served: %ld of %d clients had their first bytes after %.2f s\n", served,
                clientCount, servedSeconds);
    std::printf("relay process CPU: %.2f s over %.1f s = %.2f %% of one core\n", cpu, elapsed,
                100.0 * cpu / elapsed);
    return exact == clientCount ? 0 : 1;
}
