// SPDX-License-Identifier: GPL-3.0-or-later
// lettro-netcheck: can two machines play Lettro together? Run "lettro-netcheck host" on
// one and "lettro-netcheck join" on the other (or two copies on one machine, each with
// its own --address 127.0.0.x). The joining copy finds the host by multicast, and the two
// trade every kind of message the game sends, through the game's own message code,
// each side printing what it receives.
//   lettro-netcheck host|join [--address A] [--timeout SECONDS]
// Exit 0 when everything arrived, 1 when something did not in time, 2 on a usage error.
#include "core/game/Program.h"
#include "core/network/Messages.h"
#include "core/network/NetworkGame.h"
#include "engine/QtTransport.h"

#include <QCoreApplication>
#include <QTime>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

using namespace Messages;

// Says what the peer sent that the game would warn about.
class Console : public core::Prompter {
public:
    core::Answer ask(const core::Prompt& prompt) override
    {
        std::fprintf(stderr, "lettro-netcheck: %s\n", qPrintable(prompt.text));
        return core::Answer::Ok;
    }
    void warningSound() override {}
};

// A short game's worth of messages: the host admits the joiner and sends it a table,
// a game and its results; the joiner reports, sends its words and says goodbye.
class Check {
public:
    Check(Program& program, bool host) : m_program(program), m_host(host)
    {
        m_expected = host ? std::set<std::string>{"AK", "GB", "HI", "ID", "PR", "WT"}
                          : std::set<std::string>{"AK", "GR", "HA", "IR", "NG", "PT", "WG", "WR"};
    }
    bool done() const { return m_finished && m_received == m_expected; }
    std::string missing() const
    {
        std::string list;
        for (const std::string& code : m_expected)
            if (!m_received.count(code))
                list += " " + code;
        return list.empty() ? " the goodbye" : list;
    }
    void note(const std::string& code, int handle)
    {
        m_received.insert(code);
        std::printf("received %s from %s\n", code.c_str(),
                    m_program.transport->netGetRemoteInfo(handle).address.c_str());
        std::fflush(stdout);
    }

    // Acknowledgements are acted on as the game does, but for the joiner's goodbye.
    void received(Program& program, int handle, const Wire::ParseResult& m)
    {
        const auto* ack = std::get_if<Wire::Ack>(&m.message);
        if (ack && ack->Code == "GB" && !m_host)
            goodbyeAcknowledged();
        else if (ack)
            Network::HandleMessage(program, handle, m);
        else
            Handle(program, handle, m);
    }

    void Handle(Program& program, int handle, const Wire::ParseResult& m)
    {
        note(m.code, handle);
        NetworkState& n = program.network;
        if (m.code == "HI" && handle == n.DiscoveryHandle && n.Players.size() == 1 && m_answer < 0) {
            m_answer = program.transport->netIPConnect(program.transport->netGetRemoteInfo(handle).address,
                                                   Wire::kStreamPort);
        } else if (m.code == "HA" && n.HostAddress.empty()) {
            CloseConnection(program, handle);
            n.HostAddress = std::get<Wire::HostAnswer>(m.message).Address;
            n.HostHandle = program.transport->netIPConnect(n.HostAddress, Wire::kStreamPort);
        } else if (m.code == "ID") {
            const auto& id = std::get<Wire::Identify>(m.message);
            n.Players.push_back({100, id.Name, id.Device, id.Address, id.Type, id.Connection,
                                 "Waiting for players", true, handle});
            SendIR(program, handle, 100);
        } else if (m.code == "IR") {
            n.GameId = std::get<Wire::IdentityReply>(m.message).GameId;
            n.LocalPlayerId = std::get<Wire::IdentityReply>(m.message).PlayerId;
            SendAK(program, handle, "IR");
        } else if (m.code == "PT") {
            n.Players = std::get<Wire::PlayerTable>(m.message).Players;
            n.Players[0].Handle = handle;
            SendAK(program, handle, "PT");
            if (!m_reported++)
                SendWT(program, handle);
        } else if (m.code == "WT") {
            SendWR(program, handle);
            if (!m_gameSent++) { // a game, and at once its results
                SendNG(program, handle);
                program.game.PlayerWords = {{"quit"}, {}};
                SendGR(program, handle);
            }
        } else if (m.code == "WR" || m.code == "NG") {
            SendAK(program, handle, m.code);
        } else if (m.code == "GR") {
            SendAK(program, handle, "GR");
            program.game.PlayerWords = {{}, {"quit", "bed"}};
            SendPR(program, handle);
        } else if (m.code == "PR") {
            SendAK(program, handle, "PR");
            SendWG(program, handle);
        } else if (m.code == "WG") {
            SendGB(program, handle);
        } else if (m.code == "GB") {
            SendAK(program, handle, "GB");
            m_finished = true;
        }
    }
    // The joiner's goodbye acknowledged.
    void goodbyeAcknowledged()
    {
        m_received.insert("AK");
        std::printf("received AK for GB\n");
        m_finished = true;
    }

    // An event of the transport.
    void event(const engine::NetPollResult& e)
    {
        Program& program = m_program;
        if (e.event == engine::NetEvent::DataReady) {
            if (const auto m = DispatchMessage(program, e.handle, e.byteCount))
                received(program, e.handle, *m);
            return;
        }
        if (e.event == engine::NetEvent::Closed || e.event == engine::NetEvent::Failed)
            return CloseConnection(program, e.handle);
        if (e.event != engine::NetEvent::Connected)
            return;
        if (e.handle == m_answer)
            SendHA(program, e.handle, program.network.LocalAddress);
        else if (e.handle == program.network.HostHandle)
            SendID(program, e.handle);
    }
    // Acknowledgements are acted on before the handlers: the host sees its results
    // acknowledged in the table, the joiner its goodbye in the end of the game.
    void watchAcknowledgements()
    {
        const auto& players = m_program.network.Players;
        if (m_host && !m_received.count("AK") && players.size() > 1 &&
            players[1].Status == "Sending results") {
            m_received.insert("AK");
            std::printf("received AK for GR\n");
        }
    }

private:
    Program& m_program;
    bool m_host;
    std::set<std::string> m_expected, m_received;
    bool m_finished = false;
    int m_answer = -1, m_reported = 0, m_gameSent = 0;
};

int Usage()
{
    std::fprintf(stderr, "usage: lettro-netcheck host|join [--address A] [--timeout SECONDS]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2 || (std::string(argv[1]) != "host" && std::string(argv[1]) != "join"))
        return Usage();
    const bool host = std::string(argv[1]) == "host";
    std::string address;
    int timeout = 20;
    for (int i = 2; i < argc; i += 2) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            return Usage();
        if (option == "--address")
            address = argv[i + 1];
        else if (option == "--timeout")
            timeout = std::atoi(argv[i + 1]);
        else
            return Usage();
    }
    if (!engine::QtTransport::isAddress(address) || timeout <= 0)
        return Usage();

    Program program;
    Console console;
    program.prompter = &console;
    program.transport = std::make_unique<engine::QtTransport>(address);
    engine::Transport& net = *program.transport;
    Check check(program, host);
    NetworkState& n = program.network;
    const engine::PeerInfo local = net.netGetLocalInfo();
    n.LocalPlayerName = host ? "Host" : "Joiner";
    n.LocalDeviceName = local.name;
    n.LocalAddress = local.address;
    program.game.GameMode = host ? NetworkHost : NetworkPlayer;
    if (net.netStartup(Wire::kStreamPort, host ? "Lettro" : "") > 0) {
        std::fprintf(stderr, "lettro-netcheck: cannot listen on %s port %d\n",
                     address.empty() ? "any address" : address.c_str(), Wire::kStreamPort);
        return 1;
    }
    if (host) {
        n.GameId = QTime(0, 0).secsTo(QTime::currentTime());
        n.LocalPlayerId = 1;
        n.GamePhase = Phase::WaitingForPlayers;
        n.Players = {{1, n.LocalPlayerName, n.LocalDeviceName, n.LocalAddress, program.PlatformType,
                      "Host", "Waiting for players"}};
        n.NetworkBoard = "QUITABEDXXXXXXXX";
        program.board.BoardWords = {"quit", "bed"};
        n.DiscoveryHandle = net.netMCConnect(Wire::kGroup, Wire::kGroupPort);
    }
    std::printf("%s on %s\n", host ? "hosting" : "looking for a host", local.address.c_str());
    std::fflush(stdout);

    int ticks = 0, status = 1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (engine::NetPollResult e = net.netPoll(); e.handle >= 0; e = net.netPoll())
            check.event(e);
        check.watchAcknowledgements();
        std::fflush(stdout);
        if (!host && n.HostAddress.empty() && ticks % 5 == 0)
            SendHIByMulticast(program);
        if (check.done() || ++ticks > timeout * 5) {
            status = check.done() ? 0 : 1;
            if (status)
                std::fprintf(stderr, "lettro-netcheck: nothing more arrived; missing:%s\n",
                             check.missing().c_str());
            QCoreApplication::quit();
        }
    });
    poll.start(200);
    QCoreApplication::exec();
    net.netShutdown();
    return status;
}
