#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <memory>
#include <string>

class QHostAddress;
class QUdpSocket;

namespace orbilunex {

// Reads a sender's address: IPv6, or IPv4 written in full (four numbers;
// "192.168.1" is a slip, not 192.168.0.1). False for anything else.
bool readUdpSender(const QString& text, QHostAddress& address);

// "Cannot listen on UDP port N: " and why, by the socket's error code
// (QAbstractSocket::SocketError): the port is in use, permission denied, or
// the system's own words.
std::string udpListenFailureText(int port, int socketError, const QString& systemText);

// Whether a datagram from `sender` passes the filter `wanted`: a null
// address takes every sender; an IPv4 sender seen as an IPv4-mapped IPv6
// address (a socket bound on both) is the same host.
bool udpSenderAccepted(const QHostAddress& wanted, const QHostAddress& sender);

// The NMEA datagrams sent to one UDP port, as a stream: take() hands over
// their bytes in the order they came, a datagram's bytes together, from the
// senders the filter accepts (the others are dropped). Nothing is read
// between takes: datagrams wait in the kernel's buffer.
class UdpReceiver {
public:
    // The kernel's buffer asked for: several ticks of a fast sender.
    static constexpr int kReceiveBufferBytes = 1024 * 1024;

    UdpReceiver();
    ~UdpReceiver();
    UdpReceiver(const UdpReceiver&) = delete;
    UdpReceiver& operator=(const UdpReceiver&) = delete;

    // Listens on `port` of every local address (0 picks a free one),
    // accepting datagrams only from `sender` when it is not empty (an
    // address). Returns "" or the message for the user: "Cannot listen on
    // UDP port N: " and the port is in use, permission denied, a sender that
    // is no address, or the system's reason.
    std::string open(int port, const QString& sender);

    // The port listened on, 0 if none.
    quint16 port() const;

    // Takes up to maximum bytes of the datagrams that have arrived; never
    // waits. A datagram that does not fit is kept, and its rest comes first
    // at the next take.
    std::size_t take(char* out, std::size_t maximum);

    void close();

private:
    std::unique_ptr<QUdpSocket> socket;
    std::unique_ptr<QHostAddress> wanted; // null: any sender
    QByteArray pending; // the part of a datagram the last take had no room for
    qsizetype pendingAt = 0;
};

} // namespace orbilunex
