// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/network/Wire.h"

#include "core/network/NetworkSettings.h"

#include "engine/BoardText.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <tuple>

namespace Wire {

namespace {

// The fields of a received text, read front to back; any failure marks the whole
// message malformed and every later read fails too.
class Reader {
public:
    explicit Reader(std::string_view text)
    {
        for (std::size_t start = 0;;) {
            const std::size_t bar = text.find('|', start);
            m_fields.push_back(text.substr(start, bar - start));
            if (bar == std::string_view::npos)
                break;
            start = bar + 1;
        }
    }
    std::string_view code() const { return m_fields[0]; }
    std::size_t left() const { return m_fields.size() - m_next; }
    bool ok() const { return m_ok; }
    bool fail() { return m_ok = false; }

    std::string_view field()
    {
        if (!m_ok || m_next >= m_fields.size())
            return fail(), std::string_view();
        return m_fields[m_next++];
    }
    std::string text() { return std::string(field()); }
    std::string name() { return CleanName(field()); }
    std::int32_t number(int bits)
    {
        const std::string_view f = field();
        const auto value = m_ok ? ReadNumber(f, bits) : std::nullopt;
        if (!value)
            fail();
        return value.value_or(0);
    }
    // A count, then that many words; the count cannot claim more fields than there are.
    Words words()
    {
        const std::int32_t count = number(16);
        if (count < 0 || static_cast<std::size_t>(count) > left())
            return fail(), Words();
        Words list;
        list.reserve(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i) {
            std::string word = text();
            // Words are held in lower case; a peer may send capitals.
            std::transform(word.begin(), word.end(), word.begin(), [](char c) {
                return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            });
            list.push_back(std::move(word));
        }
        return list;
    }
    std::string settings()
    {
        std::string s = text();
        if (m_ok && !NetworkSettings::ParseSettings(s))
            fail();
        return s;
    }
    std::string board()
    {
        std::optional<std::string> b = engine::boardFromText(text());
        if (!b) {
            fail();
            return {};
        }
        for (char& c : *b)
            c = static_cast<char>(c - 'a' + 'A');
        return *b;
    }

private:
    std::vector<std::string_view> m_fields;
    std::size_t m_next = 1;
    bool m_ok = true;
};

// The code point of one UTF-8 character (as CleanName cuts them); what does not decode is
// returned as its first byte, which no rule below matches.
char32_t CodePoint(std::string_view character)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(character[k]); };
    switch (character.size()) {
    case 2:
        return (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
    case 3:
        return (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
    case 4:
        return (byte(0) & 0x07u) << 18 | (byte(1) & 0x3Fu) << 12 | (byte(2) & 0x3Fu) << 6 |
               (byte(3) & 0x3Fu);
    default:
        return byte(0);
    }
}

// Characters a name must not hold: C0 and C1 controls, DEL, and the bidirectional marks,
// embeddings, overrides and isolates that would show "evil" as "live".
bool IsHidden(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x61C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

Message ReadMessage(Reader& r, std::string_view code)
{
    const auto two = [&](char a, char b) { return code[0] == a && code[1] == b; };
    if (two('A', 'K')) {
        Ack m;
        m.GameId = r.number(32), m.PlayerId = r.number(16), m.Code = r.text();
        return m;
    }
    if (two('G', 'B')) {
        Goodbye m;
        m.GameId = r.number(32), m.PlayerId = r.number(16);
        return m;
    }
    if (two('G', 'R')) {
        GameResults m;
        m.GameId = r.number(32);
        // One list per table entry: as many as the fields hold, never an empty table.
        do
            m.PlayerWords.push_back(r.words());
        while (r.ok() && r.left() > 0 && m.PlayerWords.size() < kMaxPlayers);
        if (r.left() > 0)
            r.fail();
        return m;
    }
    if (two('H', 'A'))
        return HostAnswer{r.name()};
    if (two('H', 'I'))
        return Hello{};
    if (two('I', 'D')) {
        Identify m;
        m.Version = r.number(16), m.ProposedId = r.number(16);
        m.Name = r.name(), m.Device = r.name(), m.Address = r.name(), m.Type = r.name();
        m.Connection = r.name();
        r.field(); // reserved
        return m;
    }
    if (two('I', 'R')) {
        IdentityReply m;
        m.GameId = r.number(32), m.PlayerId = r.number(16);
        if (m.PlayerId < 2) // 1 is the host's own id
            r.fail();
        return m;
    }
    if (two('N', 'G')) {
        NewGame m;
        m.GameId = r.number(32), m.Settings = r.settings(), m.Board = r.board();
        m.BoardWords = r.words();
        return m;
    }
    if (two('P', 'R')) {
        PlayerResults m;
        m.GameId = r.number(32), m.PlayerId = r.number(16), m.PlayerWords = r.words();
        return m;
    }
    if (two('P', 'T')) {
        PlayerTable m;
        m.GameId = r.number(32), m.TableVersion = r.number(32), m.Settings = r.settings();
        const std::int32_t count = r.number(16);
        if (count < 1 || count > kMaxPlayers || static_cast<std::size_t>(count) * 7 > r.left())
            return r.fail(), m;
        for (std::int32_t i = 0; i < count; ++i) {
            PlayerEntry e;
            e.PlayerId = r.number(16);
            e.Name = r.name(), e.Device = r.name(), e.Address = r.name(), e.Type = r.name();
            e.Connection = r.name(), e.Status = r.name();
            m.Players.push_back(std::move(e));
        }
        return m;
    }
    if (two('R', 'C') || two('R', 'Q'))
        return Ignored{std::string(code), r.number(32)};
    if (two('W', 'G'))
        return WrongGame{};
    if (two('W', 'R'))
        return TableCurrent{r.number(32)};
    StatusReport m; // "WT"
    m.GameId = r.number(32), m.PlayerId = r.number(16), m.TableVersion = r.number(32);
    return m;
}

bool IsKnownCode(std::string_view code)
{
    static constexpr std::string_view kCodes[] = {"AK", "GB", "GR", "HA", "HI", "ID", "IR", "NG",
                                                  "PR", "PT", "RC", "RQ", "WG", "WR", "WT"};
    return std::find(std::begin(kCodes), std::end(kCodes), code) != std::end(kCodes);
}

// Appends fields to a text.
struct Writer {
    std::string text;
    Writer& operator<<(std::string_view field)
    {
        text += '|';
        text += field;
        return *this;
    }
    Writer& operator<<(std::int32_t number) { return *this << std::string_view(std::to_string(number)); }
    Writer& operator<<(const Words& words)
    {
        *this << static_cast<std::int32_t>(words.size());
        for (const std::string& w : words)
            *this << std::string_view(w);
        return *this;
    }
    Writer& name(std::string_view n) { return *this << std::string_view(CleanName(n)); }
};

} // namespace

bool PlayerTable::operator==(const PlayerTable& other) const
{
    const auto sent = [](const PlayerEntry& e) {
        return std::tie(e.PlayerId, e.Name, e.Device, e.Address, e.Type, e.Connection, e.Status);
    };
    return std::tie(GameId, TableVersion, Settings) ==
               std::tie(other.GameId, other.TableVersion, other.Settings) &&
           std::equal(Players.begin(), Players.end(), other.Players.begin(), other.Players.end(),
                      [&](const PlayerEntry& a, const PlayerEntry& b) { return sent(a) == sent(b); });
}

std::optional<std::int32_t> ReadNumber(std::string_view field, int bits)
{
    const bool negative = !field.empty() && field[0] == '-';
    const std::string_view digits = field.substr(negative ? 1 : 0);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(),
                                       [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    const std::int64_t limit = bits == 16 ? std::numeric_limits<std::int16_t>::max()
                                          : std::numeric_limits<std::int32_t>::max();
    if (error != std::errc() || end != field.data() + field.size() || value > limit ||
        value < -limit - 1)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int more = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (more < 0 || text.size() - i <= static_cast<std::size_t>(more))
            return false;
        std::uint32_t code = more == 0 ? c : c & (0x3Fu >> more);
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3Fu);
        }
        // No overlong forms, no surrogates, nothing past U+10FFFF.
        static constexpr std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (code < kLeast[more] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

std::string CleanName(std::string_view text)
{
    std::string clean;
    std::size_t characters = 0;
    bool afterCR = false;
    for (std::size_t i = 0; i < text.size() && characters < kMaxNameLength;) {
        std::size_t end = i + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        const std::string_view character = text.substr(i, end - i);
        const char32_t c = CodePoint(character);
        i = end;
        const bool lf = c == U'\n' && afterCR; // CR LF is one line break
        afterCR = c == U'\r';
        if (lf)
            continue;
        if (c == U'\r' || c == U'\n' || c == 0x85 || c == 0x2028 || c == 0x2029)
            clean += ' '; // a line break would split a table cell
        else if (IsHidden(c))
            continue; // controls, and marks that make a name read in another order
        else
            clean += character == "|" ? std::string_view("\xC2\xA6") : character;
        ++characters;
    }
    return clean;
}

std::string FromWindows1252(std::string_view text)
{
    // 0x80 to 0x9F; the five bytes the code page leaves undefined keep their C1 codes.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021, 0x2C6,  0x2030, 0x160,
        0x2039, 0x152,  0x8D,   0x17D,  0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    std::string out;
    out.reserve(text.size() * 2);
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        const char32_t c = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

ParseResult Parse(std::string_view text)
{
    ParseResult result;
    // A peer that writes its system's code page instead of UTF-8 is read as Windows-1252.
    std::string converted;
    if (!IsValidUtf8(text))
        text = converted = FromWindows1252(text);
    Reader r(text);
    result.code = std::string(r.code());
    if (!IsKnownCode(r.code())) {
        Reader probe(text);
        const std::string_view first = probe.field();
        if (probe.ok())
            result.gameId = ReadNumber(first, 32);
        result.outcome = Parsed::Unknown;
        return result;
    }
    Message message = ReadMessage(r, r.code());
    if (!r.ok())
        return result;
    result.gameId = GameIdOf(message);
    result.message = std::move(message);
    result.outcome = Parsed::Ok;
    return result;
}

std::string CodeOf(const Message& message)
{
    static constexpr const char* kCodes[] = {"AK", "GB", "GR", "HA", "HI", "ID", "IR",
                                             "NG", "PR", "PT", "",   "WG", "WR", "WT"};
    if (const auto* ignored = std::get_if<Ignored>(&message))
        return ignored->Code;
    return kCodes[message.index()];
}

std::optional<std::int32_t> GameIdOf(const Message& message)
{
    return std::visit(
        [](const auto& m) -> std::optional<std::int32_t> {
            if constexpr (requires { m.GameId; })
                return m.GameId;
            else
                return std::nullopt;
        },
        message);
}

std::string Text(const Message& message)
{
    Writer w{CodeOf(message)};
    std::visit(
        [&w](const auto& m) {
            using T = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<T, Ack>)
                w << m.GameId << m.PlayerId << m.Code;
            else if constexpr (std::is_same_v<T, Goodbye>)
                w << m.GameId << m.PlayerId;
            else if constexpr (std::is_same_v<T, GameResults>) {
                w << m.GameId;
                for (const Words& words : m.PlayerWords)
                    w << words;
            } else if constexpr (std::is_same_v<T, HostAnswer>)
                w.name(m.Address);
            else if constexpr (std::is_same_v<T, Identify>) {
                w << m.Version << m.ProposedId;
                w.name(m.Name).name(m.Device).name(m.Address).name(m.Type).name(m.Connection) << "";
            } else if constexpr (std::is_same_v<T, IdentityReply>)
                w << m.GameId << m.PlayerId << m.GameId;
            else if constexpr (std::is_same_v<T, NewGame>)
                w << m.GameId << m.Settings << m.Board << m.BoardWords;
            else if constexpr (std::is_same_v<T, PlayerResults>)
                w << m.GameId << m.PlayerId << m.PlayerWords;
            else if constexpr (std::is_same_v<T, PlayerTable>) {
                w << m.GameId << m.TableVersion << m.Settings
                  << static_cast<std::int32_t>(m.Players.size());
                for (const PlayerEntry& e : m.Players) {
                    w << e.PlayerId;
                    w.name(e.Name).name(e.Device).name(e.Address).name(e.Type).name(e.Connection);
                    w.name(e.Status);
                }
            } else if constexpr (std::is_same_v<T, Ignored> || std::is_same_v<T, TableCurrent>)
                w << m.GameId;
            else if constexpr (std::is_same_v<T, StatusReport>)
                w << m.GameId << m.PlayerId << m.TableVersion;
        },
        message);
    return w.text;
}

} // namespace Wire
