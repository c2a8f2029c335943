// SPDX-License-Identifier: GPL-3.0-or-later
// The network messages as they travel: text fields joined by "|", a two-letter code first.
// Parse reads a received text strictly into one of the message structs, or says why not;
// Text writes a message back. Parse(Text(m)) gives m again for every well-formed m.
#pragma once

#include "core/network/NetworkState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace Wire {

inline constexpr int kProtocolVersion = 1;
inline constexpr int kStreamPort = 20000;         // every machine listens here
inline constexpr const char* kGroup = "232.2.3.2"; // discovery by multicast
inline constexpr int kGroupPort = 20001;
inline constexpr int kMaxPlayers = 21;          // the table's entries, the host's included
inline constexpr std::size_t kMaxNameLength = 50; // characters of a name, device or address

using Words = std::vector<std::string>;

struct Ack { // "AK"
    std::int32_t GameId = 0;
    int PlayerId = 0;
    std::string Code; // the acknowledged code
    bool operator==(const Ack&) const = default;
};
struct Goodbye { // "GB"
    std::int32_t GameId = 0;
    int PlayerId = 0;
    bool operator==(const Goodbye&) const = default;
};
struct GameResults { // "GR": one list per table entry, in table order
    std::int32_t GameId = 0;
    std::vector<Words> PlayerWords;
    bool operator==(const GameResults&) const = default;
};
struct HostAnswer { // "HA"
    std::string Address;
    bool operator==(const HostAnswer&) const = default;
};
struct Hello { // "HI"
    bool operator==(const Hello&) const = default;
};
struct Identify { // "ID"
    int Version = kProtocolVersion;
    int ProposedId = 0; // 0: none yet
    std::string Name, Device, Address, Type, Connection;
    bool operator==(const Identify&) const = default;
};
struct IdentityReply { // "IR"
    std::int32_t GameId = 0;
    int PlayerId = 0;
    bool operator==(const IdentityReply&) const = default;
};
struct NewGame { // "NG"
    std::int32_t GameId = 0;
    std::string Settings;
    std::string Board; // 16 capitals, "Q" for the Qu cube
    Words BoardWords;
    bool operator==(const NewGame&) const = default;
};
struct PlayerResults { // "PR"
    std::int32_t GameId = 0;
    int PlayerId = 0;
    Words PlayerWords;
    bool operator==(const PlayerResults&) const = default;
};
struct PlayerTable { // "PT"; only the seven sent columns of each entry are used
    std::int32_t GameId = 0;
    std::int32_t TableVersion = 0;
    std::string Settings;
    std::vector<PlayerEntry> Players;
    bool operator==(const PlayerTable&) const;
};
struct Ignored { // "RC", "RQ": accepted, never acted on
    std::string Code;
    std::int32_t GameId = 0;
    bool operator==(const Ignored&) const = default;
};
struct WrongGame { // "WG"
    bool operator==(const WrongGame&) const = default;
};
struct TableCurrent { // "WR"
    std::int32_t GameId = 0;
    bool operator==(const TableCurrent&) const = default;
};
struct StatusReport { // "WT"
    std::int32_t GameId = 0;
    int PlayerId = 0;
    std::int32_t TableVersion = 0;
    bool operator==(const StatusReport&) const = default;
};

using Message = std::variant<Ack, Goodbye, GameResults, HostAnswer, Hello, Identify, IdentityReply,
                             NewGame, PlayerResults, PlayerTable, Ignored, WrongGame, TableCurrent,
                             StatusReport>;

enum class Parsed { Ok, Unknown, Malformed };

struct ParseResult {
    Parsed outcome = Parsed::Malformed;
    std::string code;                  // field 0
    std::optional<std::int32_t> gameId; // field 1 when it is a game id that reads as a number
    Message message;                    // only for Ok
};

// Reads a received text; one that is not valid UTF-8 is read as Windows-1252. Unknown: a
// code this program does not know. Malformed: a text that lacks fields, has text where a
// number belongs or a number out of its range, a count that is negative or larger than
// what follows, a table of 0 or more than kMaxPlayers entries, a settings text without its
// five (or six) items, a board that is not 16 letters, or an "IR" handing out an id below 2. Words
// come back in lower case, the board in capitals, names cut to kMaxNameLength characters.
ParseResult Parse(std::string_view text);

// The text of a message: names cleaned (see CleanName), words and board as held.
std::string Text(const Message& message);

// The two-letter code of a message.
std::string CodeOf(const Message& message);

// The game id a message carries in field 1, if it carries one.
std::optional<std::int32_t> GameIdOf(const Message& message);

// A number as the wire writes it: an optional "-" and digits, within `bits` (16 or 32).
std::optional<std::int32_t> ReadNumber(std::string_view field, int bits);

// A name, device or address fit for a field and a table cell: "|" (the separator) becomes
// a broken bar, line breaks become spaces, controls and bidirectional formatting marks go,
// and the text is cut to kMaxNameLength characters, never inside a character.
std::string CleanName(std::string_view text);

// Windows-1252 text as UTF-8.
std::string FromWindows1252(std::string_view text);

bool IsValidUtf8(std::string_view text);

} // namespace Wire
