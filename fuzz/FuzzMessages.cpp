// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as received messages, on a host and on a joined player: the receiving
// pipeline never crashes or hangs, what it lets through reads back as it was written,
// received settings stay within the options' ranges and no table exceeds 21 entries.
#include "core/game/Program.h"
#include "core/game/SettingsText.h"
#include "core/network/Messages.h"
#include "core/network/NetworkSettings.h"

#include "MemoryTransport.h"

#include <cstdlib>
#include <string>

namespace {

class Okay : public core::Prompter {
public:
    core::Answer ask(const core::Prompt&) override { return core::Answer::Ok; }
    void warningSound() override {}
};

// Does with tables and settings what the protocol does, and checks every message.
struct Handlers : ProtocolHandlers {
    void Handle(Program& app, int, const Wire::ParseResult& m) override
    {
        if (!(Wire::Parse(Wire::Text(m.message)).message == m.message))
            std::abort();
        if (const auto* table = std::get_if<Wire::PlayerTable>(&m.message)) {
            NetworkSettings::ApplySettings(app, table->Settings);
            app.network.Players = table->Players;
        } else if (const auto* game = std::get_if<Wire::NewGame>(&m.message)) {
            NetworkSettings::ApplySettings(app, game->Settings);
        }
    }
    void EndNetworkGame(Program&) override {}
    void CheckPhaseProgress(Program&) override {}
};

void CheckRanges(const Program& app)
{
    const int min = app.engine.cMinWordSize();
    if (app.game.TimeLimit < 15 || app.game.TimeLimit > 1800 || min < 3 || min > app.engine.cMaxWordSize() ||
        !SettingsText::IsNumWordsCode(app.options.NumWordsLimit) || app.game.GameType < 0 ||
        app.game.GameType > 1 || app.network.Players.size() > Wire::kMaxPlayers)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const unsigned char mode = data[0];
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    Okay prompter;
    Handlers handlers;
    Program app;
    auto* net = new MemoryTransport;
    app.transport.reset(net);
    app.prompter = &prompter;
    app.engine.cSetMaxWordSize(3 + mode % 14);
    app.game.GameMode = mode & 0x80 ? NetworkHost : NetworkPlayer;
    app.network.Handlers = &handlers;
    app.network.GameId = 812;
    app.network.DiscoveryHandle = 9;
    app.network.LeaveCountdown = mode & 0x40 ? 5 : 0;
    app.network.Players = {{.PlayerId = 1, .Handle = 5}, {.PlayerId = 100, .Connected = true, .Handle = 6}};
    if (mode & 0x20) { // the input is one settings text
        NetworkSettings::ApplySettings(app, rest);
        CheckRanges(app);
        return 0;
    }
    // Messages separated by NUL bytes, on the connection or on the discovery group.
    for (std::size_t start = 0; start <= rest.size();) {
        const std::size_t end = std::min(rest.find('\0', start), rest.size());
        const int handle = mode & 0x10 ? 9 : 5 + (start & 1);
        net->incoming[handle].push_back(rest.substr(start, end - start));
        Messages::DispatchMessage(app, handle, static_cast<int>(end - start));
        CheckRanges(app);
        start = end + 1;
    }
    return 0;
}
