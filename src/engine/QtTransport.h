// SPDX-License-Identifier: GPL-3.0-or-later
// The network transport on Qt Network: framed TCP connections, the discovery multicast
// group, all driven by the ordinary Qt event loop. netPoll hands out what the sockets
// queued; it never waits and never runs the event loop itself.
//
// Handles count up from 1, connections and groups alike, and are never reused in a run.
// Each whole message (a frame's text, or one datagram) is its own DataReady, in order, and
// netGetData takes the oldest waiting one. After Closed or Failed is handed out the handle
// is forgotten once its waiting messages are taken; netClose on it does no harm. netClose
// queues no event, and what was sent before it still goes out. On a group handle
// netGetRemoteInfo names the sender of the datagram netGetData took last (its address as
// the name too). Datagrams loop back: a copy that sends to a group it listens on hears
// itself.
//
// What a peer can make it hold is bounded: a frame must be whole within the frame time of
// its first byte; unread and unfinished input of all connections together stops being
// read at kMaxBuffered until some is taken; past kMaxConnections a newcomer is turned away.
#pragma once

#include "engine/Transport.h"

#include <QByteArray>
#include <QHostAddress>

#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QTcpServer;
class QTcpSocket;
class QTimer;
class QUdpSocket;

namespace engine {

class QtTransport final : public Transport {
public:
    // The largest message a frame may announce; a bigger one closes its connection.
    static constexpr quint32 kMaxMessage = 1024 * 1024;
    // Received bytes held at most, for all connections together (see bufferedBytes).
    static constexpr qsizetype kMaxBuffered = 8 * 1024 * 1024;
    // Open connections at most; 21 players and a few peers still looking need far fewer.
    static constexpr std::size_t kMaxConnections = 128;

    // `localAddress` ("" = the default) is the IPv4 address to listen on, connect from and
    // send multicast through; several copies on one machine each take their own 127.0.0.x.
    // `frameTime`: how long a frame may take from its first byte to its last, and how long
    // a closed connection may take to send what was written before the close.
    explicit QtTransport(std::string localAddress = {},
                         std::chrono::milliseconds frameTime = std::chrono::seconds(10));
    ~QtTransport() override;
    QtTransport(const QtTransport&) = delete;
    QtTransport& operator=(const QtTransport&) = delete;

    // Whether `text` will do as a local address: "" or a dotted IPv4 address.
    static bool isAddress(const std::string& text);

    int netStartup(int port, const std::string& irServiceName) override;
    void netShutdown() override;
    void netClose(int handle) override;
    NetPollResult netPoll() override;
    int netIPConnect(const std::string& host, int port) override;
    int netIRConnect(const std::string& device, const std::string& serviceName) override;
    std::vector<std::string> netIRListDevices() override;
    int netMCConnect(const std::string& group, int port) override;
    void netMCSendMessage(const std::string& group, int port, const std::string& text) override;
    PeerInfo netGetLocalInfo() override;
    PeerInfo netGetRemoteInfo(int handle) override;
    bool netGetData(int handle, std::string& message) override;
    void netSendData(int handle, const std::string& message) override;
    void setArrivalNotice(std::function<void()> notice) override;

    // The memory that received input holds here: unfinished frames and whole messages not
    // yet taken. Never much above kMaxBuffered.
    qsizetype bufferedBytes() const;

private:
    struct Connection;
    struct Group;

    void adopt(int handle, QTcpSocket* socket); // wires a socket's signals to its handle
    void readFrames(int handle);
    void resumeReading();                  // reads again where the cap on held input stopped it
    void fail(int handle, NetEvent event); // ends the socket, queues Closed or Failed
    void push(int handle, NetEvent event, int byteCount = 0);
    void readDatagrams(int handle);
    void retire(QTcpSocket* closing); // a closed socket is done: freed at the next netPoll

    std::string m_localAddress;
    QHostAddress m_bindAddress; // null: the default
    std::chrono::milliseconds m_frameTime;
    bool m_starved = false; // some connection waits for room under kMaxBuffered
    int m_nextHandle = 1;
    std::unique_ptr<QTcpServer> m_server;
    std::map<int, std::unique_ptr<Connection>> m_connections;
    std::map<int, std::unique_ptr<Group>> m_groups;
    std::unique_ptr<QUdpSocket> m_sender;
    std::deque<NetPollResult> m_events;
    std::function<void()> m_arrivalNotice;
    std::unique_ptr<QTimer> m_arrivalTimer; // single shot: one notice per batch of events
    // Closed by netClose, still sending what was written before.
    std::vector<std::unique_ptr<QTcpSocket>> m_closing;
    // Sockets ended inside their own signals; freed at the next netPoll, outside them.
    std::vector<std::unique_ptr<QTcpSocket>> m_ended;
};

// `text` cut to at most `maxBytes` bytes, never inside a UTF-8 sequence.
std::string cutUtf8(std::string text, std::size_t maxBytes);

} // namespace engine
