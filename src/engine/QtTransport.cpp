// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/QtTransport.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <QtEndian>

#include <algorithm>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace engine {

namespace {

constexpr std::size_t kInfoLength = 50;
// Whole messages not yet taken by netGetData; past this a connection is not read further
// until they are (each message also counts a little, so empty frames cannot pile up).
constexpr qsizetype kMaxWaiting = 4 * 1024 * 1024;
constexpr qsizetype kMessageOverhead = 64;
// What Qt itself buffers per socket before it stops reading from the system.
constexpr qint64 kSocketBuffer = 64 * 1024;
// Unsent output past which a peer that does not read is cut off.
constexpr qint64 kMaxUnsent = 8 * 1024 * 1024;
constexpr std::size_t kMaxDatagrams = 64;

// The interface that holds `address`: an interface listing it, or else one whose subnet
// contains it (127.0.0.2 is on the loopback interface without being listed).
QNetworkInterface interfaceHolding(const QHostAddress& address)
{
    QNetworkInterface inSubnet;
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            if (entry.ip() == address)
                return iface;
            if (!inSubnet.isValid() && entry.ip().protocol() == QAbstractSocket::IPv4Protocol &&
                address.isInSubnet(entry.ip(), entry.prefixLength()))
                inSubnet = iface;
        }
    }
    return inSubnet;
}

std::string defaultAddress()
{
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        const auto flags = iface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : iface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                return entry.ip().toString().toStdString();
    }
    return "127.0.0.1"; // no network: only this machine can be reached anyway
}

QHostAddress multicastGroup(const std::string& group, int port)
{
    const QHostAddress address(QString::fromStdString(group));
    if (port <= 0 || port > 65535 || address.protocol() != QAbstractSocket::IPv4Protocol ||
        !address.isMulticast())
        return {};
    return address;
}

PeerInfo infoOf(const QString& name, const QHostAddress& address)
{
    const std::string text = address.toString().toStdString();
    return {cutUtf8(name.isEmpty() ? text : name.toStdString(), kInfoLength),
            cutUtf8(text, kInfoLength)};
}

} // namespace

std::string cutUtf8(std::string text, std::size_t maxBytes)
{
    if (text.size() > maxBytes) {
        std::size_t cut = maxBytes;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut; // text[cut] continues a character: step back to where it starts
        text.resize(cut);
    }
    return text;
}

bool QtTransport::isAddress(const std::string& text)
{
    in_addr parsed{};
    return text.empty() || inet_pton(AF_INET, text.c_str(), &parsed) == 1;
}

struct QtTransport::Connection {
    std::unique_ptr<QTcpSocket> socket; // null once ended
    QTimer* stall = nullptr;            // the socket's child: the frame time of `partial`
    bool established = false;
    bool ended = false; // Closed or Failed is queued
    PeerInfo peer;
    QByteArray partial;              // the frame being received, header included
    std::deque<QByteArray> messages; // whole, not yet taken
    qsizetype waiting = 0;           // what `messages` counts against kMaxWaiting
};

struct QtTransport::Group {
    std::unique_ptr<QUdpSocket> socket;
    std::deque<QNetworkDatagram> datagrams;
    QHostAddress lastSender;
};

QtTransport::QtTransport(std::string localAddress, std::chrono::milliseconds frameTime)
    : m_localAddress(std::move(localAddress)), m_frameTime(frameTime)
{
    if (!m_localAddress.empty() && isAddress(m_localAddress))
        m_bindAddress = QHostAddress(QString::fromStdString(m_localAddress));
}

QtTransport::~QtTransport()
{
    netShutdown();
}

int QtTransport::netStartup(int port, const std::string& irServiceName)
{
    m_server.reset();
    if (!isAddress(m_localAddress) || port < 0 || port > 65535)
        return 1;
    if (port > 0) {
        auto server = std::make_unique<QTcpServer>();
        const QHostAddress on = m_bindAddress.isNull() ? QHostAddress(QHostAddress::AnyIPv4)
                                                       : m_bindAddress;
        if (!server->listen(on, static_cast<quint16>(port)))
            return 1;
        QTcpServer* s = server.get();
        QObject::connect(s, &QTcpServer::newConnection, s, [this, s] {
            while (QTcpSocket* socket = s->nextPendingConnection()) {
                // Turned away at once: descriptors stay bounded even while nobody polls.
                if (m_connections.size() >= kMaxConnections) {
                    socket->abort();
                    delete socket;
                    continue;
                }
                socket->setParent(nullptr);
                const int handle = m_nextHandle++;
                adopt(handle, socket);
                Connection& c = *m_connections.at(handle);
                c.established = true;
                c.peer = infoOf(socket->peerName(), socket->peerAddress());
                push(handle, NetEvent::Accepted);
                readFrames(handle);
            }
        });
        m_server = std::move(server);
    }
    // There is no infra-red here: asking for it still starts, without it.
    return irServiceName.empty() ? 0 : -1;
}

void QtTransport::netShutdown()
{
    m_server.reset();
    for (auto& [handle, c] : m_connections) {
        if (!c->socket)
            continue;
        c->socket->disconnect();
        c->stall->disconnect();
        c->socket->flush(); // what the system takes still goes out after the close
        c->socket->disconnectFromHost();
    }
    m_connections.clear();
    // A socket destroyed while connected says so; nobody must be listening any more.
    for (auto& closing : m_closing)
        closing->disconnect();
    m_closing.clear();
    m_groups.clear();
    m_sender.reset();
    m_events.clear();
    m_ended.clear();
}

void QtTransport::netClose(int handle)
{
    std::erase_if(m_events, [handle](const NetPollResult& e) { return e.handle == handle; });
    m_groups.erase(handle);
    const auto it = m_connections.find(handle);
    if (it == m_connections.end())
        return;
    std::unique_ptr<Connection> c = std::move(it->second);
    m_connections.erase(it);
    if (!c->socket)
        return;
    QTcpSocket* s = c->socket.get();
    s->disconnect();
    c->stall->disconnect();
    c->stall->stop();
    // Messages sent just before the close still go out; a peer that does not take them
    // within the frame time is cut off.
    QObject::connect(s, &QAbstractSocket::disconnected, s, [this, s] { retire(s); });
    QTimer::singleShot(m_frameTime, s, [this, s] {
        s->abort();
        retire(s);
    });
    m_closing.push_back(std::move(c->socket));
    s->disconnectFromHost();
    if (s->state() == QAbstractSocket::UnconnectedState) // nothing to send, or not connected
        retire(s);
}

void QtTransport::retire(QTcpSocket* socket)
{
    const auto it = std::find_if(m_closing.begin(), m_closing.end(),
                                 [socket](const auto& p) { return p.get() == socket; });
    if (it != m_closing.end()) {
        m_ended.push_back(std::move(*it));
        m_closing.erase(it);
    }
}

NetPollResult QtTransport::netPoll()
{
    m_ended.clear(); // safe here: no socket's signal is running
    if (m_starved)
        resumeReading(); // closed connections may have made room
    if (m_events.empty())
        return {};
    const NetPollResult event = m_events.front();
    m_events.pop_front();
    if (event.event == NetEvent::Closed || event.event == NetEvent::Failed) {
        // The handle is spent; it stays only for the messages still waiting on it.
        const auto it = m_connections.find(event.handle);
        if (it != m_connections.end() && it->second->messages.empty())
            m_connections.erase(it);
    }
    return event;
}

int QtTransport::netIPConnect(const std::string& host, int port)
{
    if (host.empty() || port <= 0 || port > 65535 || !isAddress(m_localAddress))
        return -1;
    auto socket = std::make_unique<QTcpSocket>();
    // Bound first, so the peer sees this copy's own address, not the machine's first.
    if (!m_bindAddress.isNull() && !socket->bind(m_bindAddress, 0))
        return -1;
    const int handle = m_nextHandle++;
    QTcpSocket* s = socket.release();
    adopt(handle, s);
    QObject::connect(s, &QTcpSocket::connected, s, [this, handle, s] {
        Connection& c = *m_connections.at(handle);
        c.established = true;
        c.peer = infoOf(s->peerName(), s->peerAddress());
        push(handle, NetEvent::Connected);
        readFrames(handle);
    });
    s->connectToHost(QString::fromStdString(host), static_cast<quint16>(port),
                     QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
    return handle;
}

int QtTransport::netIRConnect(const std::string&, const std::string&)
{
    return -1;
}

std::vector<std::string> QtTransport::netIRListDevices()
{
    return {};
}

int QtTransport::netMCConnect(const std::string& group, int port)
{
    const QHostAddress address = multicastGroup(group, port);
    if (address.isNull() || !isAddress(m_localAddress))
        return -1;
    // Several copies on one machine all listen on the port: the reuse options must be on
    // the socket before it is bound, which QUdpSocket::bind does not do for both.
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const int on = 1;
    sockaddr_in any{};
    any.sin_family = AF_INET;
    any.sin_port = htons(static_cast<uint16_t>(port));
    any.sin_addr.s_addr = htonl(INADDR_ANY);
    auto socket = std::make_unique<QUdpSocket>();
    if (setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        setsockopt(fd, SOL_SOCKET, SO_REUSEPORT, &on, sizeof on) != 0 ||
        bind(fd, reinterpret_cast<const sockaddr*>(&any), sizeof any) != 0 ||
        !socket->setSocketDescriptor(fd, QAbstractSocket::BoundState)) {
        ::close(fd);
        return -1;
    }
    // With a local address the group is joined where that address is; "any interface"
    // fails where there is no default route.
    const bool joined = m_bindAddress.isNull()
                            ? socket->joinMulticastGroup(address)
                            : socket->joinMulticastGroup(address, interfaceHolding(m_bindAddress));
    if (!joined)
        return -1;
    const int handle = m_nextHandle++;
    QUdpSocket* s = socket.get();
    m_groups[handle] = std::make_unique<Group>(Group{std::move(socket), {}, {}});
    QObject::connect(s, &QUdpSocket::readyRead, s, [this, handle] { readDatagrams(handle); });
    return handle;
}

void QtTransport::netMCSendMessage(const std::string& group, int port, const std::string& text)
{
    const QHostAddress address = multicastGroup(group, port);
    if (address.isNull() || !isAddress(m_localAddress))
        return;
    if (!m_sender) {
        auto socket = std::make_unique<QUdpSocket>();
        // Bound before the interface is set: an unbound socket ignores it and would leave
        // through the default route, from no usable source address.
        const QHostAddress from = m_bindAddress.isNull() ? QHostAddress(QHostAddress::AnyIPv4)
                                                         : m_bindAddress;
        if (!socket->bind(from, 0))
            return;
        if (!m_bindAddress.isNull()) {
            const QNetworkInterface iface = interfaceHolding(m_bindAddress);
            if (!iface.isValid())
                return;
            socket->setMulticastInterface(iface);
            if (socket->multicastInterface().index() != iface.index())
                return;
        }
        socket->setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
        socket->setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
        m_sender = std::move(socket);
    }
    m_sender->writeDatagram(text.data(), static_cast<qint64>(text.size()), address,
                            static_cast<quint16>(port));
}

PeerInfo QtTransport::netGetLocalInfo()
{
    return {cutUtf8(QHostInfo::localHostName().toStdString(), kInfoLength),
            cutUtf8(m_localAddress.empty() ? defaultAddress() : m_localAddress, kInfoLength)};
}

PeerInfo QtTransport::netGetRemoteInfo(int handle)
{
    if (const auto group = m_groups.find(handle); group != m_groups.end()) {
        const QHostAddress& from = group->second->lastSender;
        return from.isNull() ? PeerInfo{} : infoOf({}, from);
    }
    const auto it = m_connections.find(handle);
    return it == m_connections.end() ? PeerInfo{} : it->second->peer;
}

bool QtTransport::netGetData(int handle, std::string& message)
{
    message.clear();
    if (const auto group = m_groups.find(handle); group != m_groups.end()) {
        Group& g = *group->second;
        if (g.datagrams.empty())
            return false;
        const QByteArray data = g.datagrams.front().data();
        message.assign(data.constData(), static_cast<std::size_t>(data.size()));
        g.lastSender = g.datagrams.front().senderAddress();
        g.datagrams.pop_front();
        return true;
    }
    const auto it = m_connections.find(handle);
    if (it == m_connections.end() || it->second->messages.empty())
        return false;
    Connection& c = *it->second;
    const QByteArray& front = c.messages.front();
    message.assign(front.constData(), static_cast<std::size_t>(front.size()));
    c.waiting -= front.size() + kMessageOverhead;
    c.messages.pop_front();
    if (c.ended) {
        if (c.messages.empty() && std::none_of(m_events.begin(), m_events.end(),
                                                [handle](const NetPollResult& e) {
                                                    return e.handle == handle;
                                                }))
            m_connections.erase(it);
    } else {
        readFrames(handle); // there may be room again for what the socket holds
    }
    if (m_starved)
        resumeReading();
    return true;
}

void QtTransport::netSendData(int handle, const std::string& message)
{
    const auto it = m_connections.find(handle);
    if (it == m_connections.end() || !it->second->socket)
        return;
    // A bigger message would only get this connection cut off by the peer.
    if (message.size() > kMaxMessage)
        return;
    QTcpSocket& s = *it->second->socket;
    if (s.bytesToWrite() > kMaxUnsent) {
        fail(handle, NetEvent::Closed);
        return;
    }
    QByteArray frame(4, '\0');
    qToBigEndian(static_cast<quint32>(message.size()), frame.data());
    frame.append(message.data(), static_cast<qsizetype>(message.size()));
    s.write(frame);
}

void QtTransport::adopt(int handle, QTcpSocket* socket)
{
    auto c = std::make_unique<Connection>();
    c->socket.reset(socket);
    socket->setReadBufferSize(kSocketBuffer);
    c->stall = new QTimer(socket);
    c->stall->setSingleShot(true);
    c->stall->setInterval(m_frameTime);
    QObject::connect(c->stall, &QTimer::timeout, socket,
                     [this, handle] { fail(handle, NetEvent::Closed); });
    m_connections[handle] = std::move(c);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, handle] { readFrames(handle); });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, handle] {
        readFrames(handle); // what came before the close is still delivered
        fail(handle, NetEvent::Closed);
    });
    QObject::connect(socket, &QTcpSocket::errorOccurred, socket,
                     [this, handle](QAbstractSocket::SocketError error) {
                         const auto it = m_connections.find(handle);
                         if (it == m_connections.end())
                             return;
                         if (!it->second->established) {
                             fail(handle, NetEvent::Failed);
                         } else if (error != QAbstractSocket::RemoteHostClosedError) {
                             readFrames(handle);
                             fail(handle, NetEvent::Closed);
                         } // a plain close also comes as disconnected
                     });
}

void QtTransport::readFrames(int handle)
{
    const auto it = m_connections.find(handle);
    if (it == m_connections.end() || !it->second->socket || !it->second->established)
        return;
    Connection& c = *it->second;
    QTcpSocket& s = *c.socket;
    const auto held = [&c] { return c.partial.capacity() + c.waiting; };
    const qsizetype others = bufferedBytes() - held();
    for (;;) {
        quint32 length = 0;
        if (c.partial.size() >= 4) {
            length = qFromBigEndian<quint32>(c.partial.constData());
            if (length > kMaxMessage) {
                fail(handle, NetEvent::Closed);
                return;
            }
            if (c.partial.size() == 4 + static_cast<qsizetype>(length)) {
                c.messages.push_back(c.partial.mid(4));
                c.waiting += static_cast<qsizetype>(length) + kMessageOverhead;
                c.partial.clear();
                push(handle, NetEvent::DataReady, static_cast<int>(length));
                continue;
            }
        }
        if (c.waiting >= kMaxWaiting)
            break; // taken again once its messages are taken
        if (others + held() >= kMaxBuffered) {
            m_starved = true;
            break;
        }
        // Only what this frame still lacks, and only what has come: the buffer grows with
        // the bytes, not with what a header announces.
        const qint64 need = c.partial.size() < 4 ? 4 - c.partial.size()
                                                 : 4 + static_cast<qint64>(length) - c.partial.size();
        const qsizetype had = c.partial.size();
        const qint64 want = std::min(need, s.bytesAvailable());
        if (want <= 0)
            break;
        c.partial.resize(had + static_cast<qsizetype>(want));
        const qint64 got = s.read(c.partial.data() + had, want);
        c.partial.resize(had + static_cast<qsizetype>(std::max<qint64>(got, 0)));
        if (got <= 0)
            break;
        if (had == 0)
            c.stall->start(); // a frame's time runs from its first byte, never restarted
    }
    if (c.partial.isEmpty())
        c.stall->stop();
}

void QtTransport::resumeReading()
{
    m_starved = false;
    for (const auto& [handle, c] : m_connections)
        readFrames(handle);
}

qsizetype QtTransport::bufferedBytes() const
{
    qsizetype total = 0;
    for (const auto& [handle, c] : m_connections)
        total += c->partial.capacity() + c->waiting;
    return total;
}

void QtTransport::fail(int handle, NetEvent event)
{
    const auto it = m_connections.find(handle);
    if (it == m_connections.end() || it->second->ended)
        return;
    Connection& c = *it->second;
    c.ended = true;
    c.partial.clear();
    if (c.socket) {
        c.stall->disconnect();
        c.stall->stop();
        c.socket->disconnect();
        c.socket->abort();
        m_ended.push_back(std::move(c.socket)); // this may be running in one of its signals
    }
    push(handle, event);
}

void QtTransport::push(int handle, NetEvent event, int byteCount)
{
    m_events.push_back({handle, event, byteCount});
    // Events are often queued inside a socket's own signal: the notice comes later, from
    // the event loop, when the caller may safely take them.
    if (m_arrivalTimer && !m_arrivalTimer->isActive())
        m_arrivalTimer->start();
}

void QtTransport::setArrivalNotice(std::function<void()> notice)
{
    m_arrivalNotice = std::move(notice);
    if (!m_arrivalNotice) {
        m_arrivalTimer.reset();
        return;
    }
    if (!m_arrivalTimer) {
        m_arrivalTimer = std::make_unique<QTimer>();
        m_arrivalTimer->setSingleShot(true);
        m_arrivalTimer->setInterval(0);
        QObject::connect(m_arrivalTimer.get(), &QTimer::timeout, m_arrivalTimer.get(), [this] {
            if (!m_events.empty() && m_arrivalNotice)
                m_arrivalNotice();
        });
    }
}

void QtTransport::readDatagrams(int handle)
{
    Group& g = *m_groups.at(handle);
    while (g.socket->hasPendingDatagrams()) {
        QNetworkDatagram datagram = g.socket->receiveDatagram();
        if (!datagram.isValid())
            break;
        // A flood beyond what the game will ever read is dropped, not kept.
        if (g.datagrams.size() >= kMaxDatagrams)
            continue;
        const int size = static_cast<int>(datagram.data().size());
        g.datagrams.push_back(std::move(datagram));
        push(handle, NetEvent::DataReady, size);
    }
}

} // namespace engine
