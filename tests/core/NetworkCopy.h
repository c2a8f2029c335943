// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the game in a network test: its dictionary, dice that shake
// ETIS/SOYW/OOIV/AATI, a prompter that says OK, and network play opened as host or player
// under `name` on its own transport at `address` ("" = the default).
#pragma once

#include "Scripted.h"

#include "core/game/Program.h"
#include "core/network/NetworkGame.h"
#include "engine/QtTransport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

struct NetworkCopy {
    NetworkCopy(const std::string& address, const std::string& name, bool host,
                std::chrono::milliseconds frameTime = std::chrono::seconds(10))
    {
        p.prompter = &prompter;
        prompter.autoOk = true;
        p.settings = std::make_unique<engine::SettingsStore>(folder.path().toStdString());
        for (const char* w : {"its", "set", "site", "soot", "toys"})
            p.engine.cDictionaryAdd(w);
        Dice::InitDice(p.board.DieFaces);
        p.random = std::make_unique<ScriptedRandom>(std::vector<float>{0.0f});
        p.transport = std::make_unique<engine::QtTransport>(address, frameTime);
        p.savedForNetwork = SavedGameSettings{.RepeatLetters = true}; // the own settings to come back
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
    std::string statuses() const
    {
        std::string s;
        for (const PlayerEntry& e : p.network.Players)
            s += e.Name + ":" + e.Status + " ";
        return s;
    }
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Program p;
};

// Poll ticks for `copies` until `done`, each tick at least `every` after the last; false
// after too many.
inline bool PollUntil(const std::function<bool()>& done, const std::vector<NetworkCopy*>& copies, int ticks,
                      std::chrono::milliseconds every = {})
{
    for (int t = 0; t < ticks; ++t) {
        if (done())
            return true;
        const QDeadlineTimer next(every);
        do
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        while (!next.hasExpired());
        for (NetworkCopy* c : copies)
            Network::PollNetwork(c->p);
    }
    return done();
}
