// SPDX-License-Identifier: GPL-3.0-or-later
// The network transport the protocol talks through: connections by handle, polled for
// events. A Qt Network implementation and an in-memory one for tests come with network
// play; the protocol code sees only this interface.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace engine {

// What netPoll reports for a connection.
enum class NetEvent { None = 0, Connected = 1, Accepted = 2, Closed = 3, DataReady = 4, Failed = 5 };

struct NetPollResult {
    int handle = -1; // < 0: no event now
    NetEvent event = NetEvent::None;
    int byteCount = 0; // DataReady: the size of the message waiting
};

struct PeerInfo {
    std::string name;
    std::string address;
};

class Transport {
public:
    virtual ~Transport() = default;
    // > 0: failure; 0: started; < 0: started without infra-red.
    virtual int netStartup(int port, const std::string& irServiceName) = 0;
    virtual void netShutdown() = 0;
    virtual void netClose(int handle) = 0;
    virtual NetPollResult netPoll() = 0;
    // A connection being opened (negative: failure); completion comes as Connected.
    virtual int netIPConnect(const std::string& host, int port) = 0;
    virtual int netIRConnect(const std::string& device, const std::string& serviceName) = 0;
    virtual std::vector<std::string> netIRListDevices() = 0;
    // Joins the group; datagrams sent to it then arrive as DataReady on the handle.
    virtual int netMCConnect(const std::string& group, int port) = 0;
    virtual void netMCSendMessage(const std::string& group, int port, const std::string& text) = 0;
    virtual PeerInfo netGetLocalInfo() = 0;
    virtual PeerInfo netGetRemoteInfo(int handle) = 0;
    // The whole waiting message; false when the connection is lost.
    virtual bool netGetData(int handle, std::string& message) = 0;
    virtual void netSendData(int handle, const std::string& message) = 0;
    // Called from the event loop, once per batch, soon after events were queued, so that
    // a caller can take them before its next poll tick. Never called inside netPoll.
    virtual void setArrivalNotice(std::function<void()> notice) { (void)notice; }
};

} // namespace engine
