// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the game in a network test: its dictionary, dice that shake
// ETIS/SOYW/OOIV/AATI, a prompter that says OK, and network play opened as host or player
// under `name` on its own transport.
#pragma once

#include "Scripted.h"

#include "core/game/Program.h"
#include "core/network/NetworkGame.h"
#include "engine/QtTransport.h"

#include <QTemporaryDir>

#include <algorithm>

struct NetworkCopy {
    NetworkCopy(std::unique_ptr<engine::QtTransport> transport, const std::string& name, bool host)
    {
        p.prompter = &prompter;
        prompter.autoOk = true;
        p.settings = std::make_unique<engine::SettingsStore>(folder.path().toStdString());
        for (const char* w : {"its", "set", "site", "soot", "toys"})
            p.engine.cDictionaryAdd(w);
        Dice::InitDice(p.board.DieFaces);
        p.random = std::make_unique<ScriptedRandom>(std::vector<float>{0.0f});
        p.transport = std::move(transport);
        p.savedForNetwork = SavedGameSettings{};
        Network::Initialize(p, false);
        Network::PromptClosed(p, Network::PromptAnswer{name, host ? 2 : 1});
    }
    // The host's table holds `players` entries, all in the lobby, the others connected.
    bool inLobby(std::size_t players) const
    {
        const auto& table = p.network.Players;
        return table.size() == players && std::all_of(table.begin(), table.end(), [&](const PlayerEntry& e) {
                   return e.Status == "Waiting for players" && (e.Connected || &e == &table[0]);
               });
    }
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Program p;
};
