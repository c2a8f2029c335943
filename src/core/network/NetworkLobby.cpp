// SPDX-License-Identifier: GPL-3.0-or-later
// Opening network play: the Prompt window's questions and their continuations, the lobby.
#include "core/game/Settings.h"
#include "core/game/Program.h"
#include "core/game/Tr.h"
#include "core/network/Messages.h"
#include "core/network/NetworkCommon.h"
#include "core/network/NetworkGame.h"
#include "core/network/NetworkSettings.h"

#include <QTime>

namespace Network {

using namespace Messages;

namespace {

std::optional<std::string> Stored(Program& program, const char* name, int length)
{
    return program.settings ? program.settings->cGetRegValue(engine::kSettingsKey, name, length)
                        : std::nullopt;
}

void Store(Program& program, const char* name, const std::string& value)
{
    if (program.settings)
        program.settings->cSetRegValue(engine::kSettingsKey, name, value);
}

// Opens the lobby once the name and role are known.
void OpenLobby(Program& program)
{
    NetworkState& n = program.network;
    LobbyState& w = n.Window;
    n.SettingsListsPending = true;
    n.QuitEnableCountdown = 0;
    w = LobbyState{};
    w.Shown = true;
    w.MainWindowEnabled = false;
    n.TableVersion = 0;
    n.StartupPort = Wire::kStreamPort;
    n.StartupServiceName = "Lettro";
    engine::Transport* net = program.transport.get();
    const int started = net ? net->netStartup(n.StartupPort, n.StartupServiceName) : 1;
    // A joining player starts again below, and can do without a listener.
    if (started > 0 && (Host(program) || !net)) {
        Say(program, core::Tr("Network", "Failure with initialize of Lettro networking service."));
        w.MainWindowEnabled = true;
        return;
    }
    n.IRAvailable = started == 0;
    if (started != 0)
        n.StartupServiceName.clear();
    const engine::PeerInfo local = net->netGetLocalInfo();
    n.LocalDeviceName = Wire::CleanName(local.name);
    n.LocalAddress = Wire::CleanName(local.address);
    if (n.LocalAddress == "192.168.55.101" || n.LocalAddress == "127.0.0.1")
        n.LocalAddress.clear();
    n.Players.clear();
    n.HostPlayerId = -1;
    n.HostAddress.clear();
    n.HostHandle = -1;
    n.HostViaIR = false;
    n.SyncCountdown = n.LeaveCountdown = 0;
    n.AnswerHandles.clear();
    n.WrongGameAnswered.clear();
    if (Host(program)) {
        n.LocalPlayerId = 1;
        n.NextPlayerId = 100;
        n.Players.push_back({1, n.LocalPlayerName, n.LocalDeviceName, n.LocalAddress,
                             program.PlatformType, "Host", StatusText(Phase::WaitingForPlayers)});
        n.GamePhase = Phase::WaitingForPlayers;
        NetworkSettings::ShowLobbySettings(program, true);
        n.DiscoveryHandle = net->netMCConnect(Wire::kGroup, Wire::kGroupPort);
        w.StatusLine = core::TrS("Network", "Listening for players...");
        n.GameId = QTime(0, 0).secsTo(QTime::currentTime());
    } else {
        n.StartupPort = 0;
        n.StartupServiceName.clear();
        n.LocalPlayerId = 0;
        net->netShutdown();
        n.HelloCountdown = 0;
        n.GamePhase = Phase::NotAdmitted;
        NetworkSettings::ShowLobbySettings(program, false);
        w.ConnectTag = "1st time";
        w.StatusLine = core::TrS("Network", "Searching for game host...");
        if (net->netStartup(Wire::kStreamPort, "") > 0) {
            // Another program holds the port: joining by name still works.
            net->netStartup(0, "");
            w.ConnectShown = true;
            w.ConnectTag.clear();
            w.StatusLine = core::TrS("Network", "Port 20000 is in use here, so no host can answer a search: "
                                                "use Connect... to name the host");
        }
    }
    w.PollTimerOn = true;
    w.TableShown = true;
    w.BootSelectedRow = -1;
}

} // namespace

Marker MarkerOf(const Program& program, int index)
{
    const auto& players = program.network.Players;
    if (index < 0 || index >= static_cast<int>(players.size()))
        return Marker::Plain;
    if (players[static_cast<std::size_t>(index)].Connected)
        return Marker::Connected;
    const bool talksTo = program.game.GameMode == NetworkHost ? index != 0 : index == 0;
    return talksTo ? Marker::NotConnected : Marker::Plain;
}

void Initialize(Program& program, bool resumed)
{
    PromptWindowState& prompt = program.network.Prompt;
    if (!resumed) {
        prompt = PromptWindowState{};
        prompt.Shown = true;
        prompt.Label = core::TrS("Network", "Enter your name");
        prompt.Text = Stored(program, Settings::kNetworkPlayerName, 50).value_or("");
        prompt.SelectedOption =
            Stored(program, Settings::kNetworkMode, 50).value_or("") == "Host" ? 2 : 1;
        prompt.Option2 = core::TrS("Network", "Host game");
        prompt.Option1 = core::TrS("Network", "Join game");
        prompt.OptionsShown = true;
        prompt.AskedBy = PromptWindowState::Asker::Initialize;
        program.network.Window.MainWindowEnabled = false;
        return;
    }
    if (prompt.Text.empty()) { // Cancel: network play is not opened
        program.network.Window.MainWindowEnabled = true;
        program.savedForNetwork.reset();
        return;
    }
    program.network.LocalPlayerName = Wire::CleanName(prompt.Text);
    const bool host = prompt.SelectedOption == 2;
    program.game.GameMode = host ? NetworkHost : NetworkPlayer;
    Store(program, Settings::kNetworkPlayerName, program.network.LocalPlayerName);
    Store(program, Settings::kNetworkMode, host ? "Host" : "Join");
    OpenLobby(program);
}

void ConnectClick(Program& program, bool resumed)
{
    NetworkState& n = program.network;
    PromptWindowState& prompt = n.Prompt;
    if (!resumed) {
        const std::string device = Stored(program, Settings::kNetworkDevice, 50).value_or("");
        const bool viaIR = Stored(program, Settings::kNetworkIR, 10).value_or("1") == "1";
        prompt = PromptWindowState{};
        prompt.Shown = true;
        prompt.Label = core::TrS("Network", "Enter PC network name or IP address");
        // Without infra-red the options stay hidden and an infra-red device is not offered.
        prompt.OptionsShown = n.IRAvailable;
        prompt.Option2 = core::TrS("Network", "TCP/IP");
        prompt.Option1 = core::TrS("Network", "IR");
        prompt.SelectedOption = viaIR ? 1 : 2;
        prompt.Text = viaIR && !n.IRAvailable ? "" : device;
        prompt.AskedBy = PromptWindowState::Asker::ConnectClick;
        return;
    }
    if (prompt.Text.empty())
        return;
    n.HostAddress = Wire::CleanName(prompt.Text);
    n.HostViaIR = n.IRAvailable && prompt.SelectedOption == 1;
    Store(program, Settings::kNetworkDevice, n.HostAddress);
    Store(program, Settings::kNetworkIR, n.HostViaIR ? "1" : "0");
    n.Window.StatusLine =
        core::Tr("Network", "Connecting to %1...").arg(QString::fromStdString(n.HostAddress)).toStdString();
}

void PromptClosed(Program& program, const std::optional<PromptAnswer>& answer)
{
    PromptWindowState& prompt = program.network.Prompt;
    prompt.Text = answer ? answer->text : std::string();
    if (answer && (answer->option == 1 || answer->option == 2))
        prompt.SelectedOption = answer->option;
    prompt.Shown = false;
    switch (prompt.AskedBy) {
    case PromptWindowState::Asker::Initialize:
        Initialize(program, true);
        break;
    case PromptWindowState::Asker::ConnectClick:
        ConnectClick(program, true);
        break;
    case PromptWindowState::Asker::None:
        break;
    }
}

void SelectPromptOption(Program& program, int option)
{
    if (option == 1 || option == 2)
        program.network.Prompt.SelectedOption = option;
}

} // namespace Network
