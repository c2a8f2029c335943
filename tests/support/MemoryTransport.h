// SPDX-License-Identifier: GPL-3.0-or-later
// A transport in memory: messages queued for reading by handle, every send and close
// recorded, peers named by handle; and a program on one, its prompter saying OK.
#pragma once

#include "Scripted.h"

#include "core/game/Program.h"
#include "engine/Transport.h"

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

class MemoryTransport : public engine::Transport {
public:
    int netStartup(int, const std::string& service) override { return service.empty() ? 0 : -1; }
    void netShutdown() override {}
    void netClose(int handle) override { closed.push_back(handle); }
    engine::NetPollResult netPoll() override
    {
        if (events.empty())
            return {};
        const engine::NetPollResult e = events.front();
        events.pop_front();
        return e;
    }
    int netIPConnect(const std::string& host, int) override
    {
        connects.push_back(host);
        return 100 + static_cast<int>(connects.size());
    }
    int netIRConnect(const std::string&, const std::string&) override { return -1; }
    std::vector<std::string> netIRListDevices() override { return {}; }
    int netMCConnect(const std::string&, int) override { return -1; }
    void netMCSendMessage(const std::string&, int, const std::string& text) override
    {
        sent.emplace_back(-1, text);
    }
    engine::PeerInfo netGetLocalInfo() override { return local; }
    engine::PeerInfo netGetRemoteInfo(int handle) override
    {
        const auto at = addresses.find(handle);
        return {"peer" + std::to_string(handle), at == addresses.end() ? "127.0.0.9" : at->second};
    }
    bool netGetData(int handle, std::string& message) override
    {
        auto& queue = incoming[handle];
        if (queue.empty())
            return false;
        message = std::move(queue.front());
        queue.pop_front();
        return true;
    }
    void netSendData(int handle, const std::string& message) override
    {
        sent.emplace_back(handle, message);
    }

    engine::PeerInfo local{"here", "127.0.0.2"};
    std::deque<engine::NetPollResult> events; // what netPoll hands out
    std::vector<std::string> connects;        // addresses asked for; handles 101, 102, ...
    std::map<int, std::deque<std::string>> incoming;
    std::vector<std::pair<int, std::string>> sent; // handle -1: multicast
    std::vector<int> closed;
    std::map<int, std::string> addresses; // peers' addresses by handle; 127.0.0.9 if not here
};

struct InMemory {
    InMemory()
    {
        p.prompter = &prompter;
        prompter.autoOk = true;
        p.transport.reset(net = new MemoryTransport);
    }
    ScriptedPrompter prompter;
    MemoryTransport* net;
    Program p;
};
