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

// Does with tables and settings what the protocol does, and checks every message that
// passed the checks.
void Handle(Program& program, const Wire::ParseResult& m)
{
    if (!(Wire::Parse(Wire::Text(m.message)).message == m.message))
        std::abort();
    if (const auto* table = std::get_if<Wire::PlayerTable>(&m.message)) {
        NetworkSettings::ApplySettings(program, table->Settings);
        program.network.Players = table->Players;
    } else if (const auto* game = std::get_if<Wire::NewGame>(&m.message)) {
        NetworkSettings::ApplySettings(program, game->Settings);
    }
}

void CheckRanges(const Program& program)
{
    const int min = program.engine.cMinWordSize();
    if (program.game.TimeLimit < 15 || program.game.TimeLimit > 1800 || min < 3 || min > program.engine.cMaxWordSize() ||
        !SettingsText::IsNumWordsCode(program.options.NumWordsLimit) || program.game.GameType < 0 ||
        program.game.GameType > 1 || program.network.Players.size() > Wire::kMaxPlayers)
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
    Program program;
    auto* net = new MemoryTransport;
    program.transport.reset(net);
    program.prompter = &prompter;
    program.engine.cSetMaxWordSize(3 + mode % 14);
    program.game.GameMode = mode & 0x80 ? NetworkHost : NetworkPlayer;
    program.network.GameId = 812;
    program.network.DiscoveryHandle = 9;
    program.network.LeaveCountdown = mode & 0x40 ? 5 : 0;
    program.network.Players = {{.PlayerId = 1, .Handle = 5}, {.PlayerId = 100, .Connected = true, .Handle = 6}};
    if (mode & 0x20) { // the input is one settings text
        NetworkSettings::ApplySettings(program, rest);
        CheckRanges(program);
        return 0;
    }
    // Messages separated by NUL bytes, on the connection or on the discovery group.
    for (std::size_t start = 0; start <= rest.size();) {
        const std::size_t end = std::min(rest.find('\0', start), rest.size());
        const int handle = mode & 0x10 ? 9 : 5 + (start & 1);
        net->incoming[handle].push_back(rest.substr(start, end - start));
        if (const auto m = Messages::DispatchMessage(program, handle, static_cast<int>(end - start)))
            Handle(program, *m);
        CheckRanges(program);
        start = end + 1;
    }
    return 0;
}
