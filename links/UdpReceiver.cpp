#include "links/UdpReceiver.h"

#include <QUdpSocket>
#include <QVariant>

#include <algorithm>
#include <cstring>

namespace orbilunex {

bool readUdpSender(const QString& text, QHostAddress& address)
{
    const QString trimmed = text.trimmed();
    if (!trimmed.contains(QLatin1Char(':')) && trimmed.count(QLatin1Char('.')) != 3) return false;
    return address.setAddress(trimmed);
}

std::string udpListenFailureText(int port, int socketError, const QString& systemText)
{
    const std::string prefix = "Cannot listen on UDP port " + std::to_string(port) + ": ";
    switch (socketError) {
    case QAbstractSocket::AddressInUseError: return prefix + "the port is in use";
    case QAbstractSocket::SocketAccessError: return prefix + "permission denied";
    default: return prefix + systemText.toStdString();
    }
}

bool udpSenderAccepted(const QHostAddress& wanted, const QHostAddress& sender)
{
    return wanted.isNull() || wanted.isEqual(sender, QHostAddress::ConvertV4MappedToIPv4);
}

UdpReceiver::UdpReceiver() = default;

UdpReceiver::~UdpReceiver() = default;

std::string UdpReceiver::open(int port, const QString& sender)
{
    close();
    const std::string prefix = "Cannot listen on UDP port " + std::to_string(port) + ": ";
    if (port < 0 || port > 65535) return prefix + "the port must be 0 to 65535";
    QHostAddress filter;
    if (!sender.trimmed().isEmpty() && !readUdpSender(sender, filter))
        return prefix + "the sender \"" + sender.toStdString() + "\" is not an address";
    auto bound = std::make_unique<QUdpSocket>();
    // Not shared: a second program on the port would take datagrams meant
    // for this one.
    if (!bound->bind(QHostAddress::Any, static_cast<quint16>(port),
                     QAbstractSocket::DontShareAddress))
        return udpListenFailureText(port, bound->error(), bound->errorString());
    bound->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, kReceiveBufferBytes);
    socket = std::move(bound);
    if (!filter.isNull()) wanted = std::make_unique<QHostAddress>(filter);
    return "";
}

quint16 UdpReceiver::port() const
{
    return socket != nullptr ? socket->localPort() : 0;
}

std::size_t UdpReceiver::take(char* out, std::size_t maximum)
{
    std::size_t n = 0;
    const auto fromPending = [&] {
        const std::size_t count =
            std::min(maximum - n, static_cast<std::size_t>(pending.size() - pendingAt));
        std::memcpy(out + n, pending.constData() + pendingAt, count);
        pendingAt += static_cast<qsizetype>(count);
        n += count;
    };
    fromPending();
    while (socket != nullptr && n < maximum && socket->hasPendingDatagrams()) {
        const qint64 size = socket->pendingDatagramSize();
        if (size < 0) break;
        QHostAddress sender;
        if (static_cast<std::size_t>(size) <= maximum - n) {
            const qint64 got = socket->readDatagram(out + n, static_cast<qint64>(maximum - n), &sender);
            if (got < 0) break;
            if ((wanted == nullptr || udpSenderAccepted(*wanted, sender))) n += static_cast<std::size_t>(got);
            continue;
        }
        pending.resize(size);
        const qint64 got = socket->readDatagram(pending.data(), size, &sender);
        if (got < 0) break;
        pending.resize((wanted == nullptr || udpSenderAccepted(*wanted, sender)) ? got : 0);
        pendingAt = 0;
        fromPending();
    }
    return n;
}

void UdpReceiver::close()
{
    socket.reset();
    wanted.reset();
    pending.clear();
    pendingAt = 0;
}

} // namespace orbilunex
