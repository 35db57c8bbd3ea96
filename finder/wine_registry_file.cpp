#include "finder/wine_registry_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gamedata/ascii_case.h"

namespace finder {
namespace {

constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    return static_cast<unsigned>((c | 0x20) - 'a' + 10);
}

// Text that arrives partly as UTF-16 code units (escapes, hex(2) data) and
// partly as UTF-8 bytes copied from the file. A high surrogate waits for its
// partner; anything else arriving first turns it into U+FFFD.
class Utf8Builder {
public:
    void AddCodeUnit(std::uint16_t unit) {
        if (unit >= 0xDC00 && unit <= 0xDFFF && pendingHigh_ != 0) {
            AddCodePoint(0x10000 + ((pendingHigh_ - 0xD800u) << 10) + (unit - 0xDC00u));
            pendingHigh_ = 0;
            return;
        }
        FlushPending();
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            pendingHigh_ = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            AddCodePoint(kReplacementCharacter);
        } else {
            AddCodePoint(unit);
        }
    }

    void AddFileByte(char byte) {
        FlushPending();
        text_.push_back(byte);
    }

    std::string Finish() {
        FlushPending();
        return std::move(text_);
    }

private:
    void FlushPending() {
        if (pendingHigh_ != 0) {
            pendingHigh_ = 0;
            AddCodePoint(kReplacementCharacter);
        }
    }

    void AddCodePoint(std::uint32_t point) {
        if (point < 0x80) {
            text_.push_back(static_cast<char>(point));
        } else if (point < 0x800) {
            text_.push_back(static_cast<char>(0xC0 | (point >> 6)));
            text_.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        } else if (point < 0x10000) {
            text_.push_back(static_cast<char>(0xE0 | (point >> 12)));
            text_.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
            text_.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        } else {
            text_.push_back(static_cast<char>(0xF0 | (point >> 18)));
            text_.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
            text_.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
            text_.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        }
    }

    std::string text_;
    std::uint16_t pendingHigh_ = 0;
};

// Reads escaped text from text[at] up to the unescaped terminator, which is
// consumed. Wine's escapes: the C letters, \x with up to four hex digits and
// up to three octal digits, each one UTF-16 code unit; a backslash before
// anything else stands for that character (\\, \", \[, \]). Nothing when
// the terminator never comes or an \x has no digit.
std::optional<std::string> ReadEscapedText(std::string_view text, std::size_t& at,
                                           char terminator) {
    Utf8Builder builder;
    while (at < text.size()) {
        const char c = text[at++];
        if (c == terminator) {
            return builder.Finish();
        }
        if (c != '\\') {
            builder.AddFileByte(c);
            continue;
        }
        if (at == text.size()) {
            return std::nullopt;
        }
        const char escape = text[at++];
        switch (escape) {
            case 'a':
                builder.AddCodeUnit('\a');
                break;
            case 'b':
                builder.AddCodeUnit('\b');
                break;
            case 'e':
                builder.AddCodeUnit(0x1B);
                break;
            case 'f':
                builder.AddCodeUnit('\f');
                break;
            case 'n':
                builder.AddCodeUnit('\n');
                break;
            case 'r':
                builder.AddCodeUnit('\r');
                break;
            case 't':
                builder.AddCodeUnit('\t');
                break;
            case 'v':
                builder.AddCodeUnit('\v');
                break;
            case 'x': {
                unsigned unit = 0;
                int digits = 0;
                for (; digits < 4 && at < text.size() && IsHexDigit(text[at]); ++digits) {
                    unit = unit * 16 + HexValue(text[at++]);
                }
                if (digits == 0) {
                    return std::nullopt;
                }
                builder.AddCodeUnit(static_cast<std::uint16_t>(unit));
                break;
            }
            default:
                if (escape >= '0' && escape <= '7') {
                    unsigned unit = static_cast<unsigned>(escape - '0');
                    for (int digits = 1;
                         digits < 3 && at < text.size() && text[at] >= '0' && text[at] <= '7';
                         ++digits) {
                        unit = unit * 8 + static_cast<unsigned>(text[at++] - '0');
                    }
                    builder.AddCodeUnit(static_cast<std::uint16_t>(unit));
                } else {
                    builder.AddFileByte(escape);
                }
        }
    }
    return std::nullopt;
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool OnlySpaceFrom(std::string_view text, std::size_t at) {
    return text.find_first_not_of(" \t", at) == std::string_view::npos;
}

// "01,02, ff," : one or two hex digits a byte, commas between.
std::optional<std::string> ParseHexBytes(std::string_view data) {
    std::string bytes;
    std::size_t at = 0;
    const auto skipSpace = [&] {
        while (at < data.size() && (data[at] == ' ' || data[at] == '\t')) {
            ++at;
        }
    };
    skipSpace();
    while (at < data.size()) {
        unsigned value = 0;
        int digits = 0;
        for (; digits < 2 && at < data.size() && IsHexDigit(data[at]); ++digits) {
            value = value * 16 + HexValue(data[at++]);
        }
        if (digits == 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(value));
        skipSpace();
        if (at < data.size()) {
            if (data[at] != ',') {
                return std::nullopt;
            }
            ++at;
            skipSpace();
        }
    }
    return bytes;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    Utf8Builder builder;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        builder.AddCodeUnit(static_cast<std::uint16_t>(
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return builder.Finish();
}

// "(N):" after "hex" or "str"; N is the registry type in hex.
std::optional<unsigned> ReadTypeNumber(std::string_view data, std::size_t& at) {
    if (at >= data.size() || data[at] != '(') {
        return std::nullopt;
    }
    ++at;
    unsigned type = 0;
    int digits = 0;
    for (; digits < 8 && at < data.size() && IsHexDigit(data[at]); ++digits) {
        type = type * 16 + HexValue(data[at++]);
    }
    if (digits == 0 || data.substr(at, 2) != "):") {
        return std::nullopt;
    }
    at += 2;
    return type;
}

std::optional<std::string> ParseQuotedText(std::string_view data, std::size_t at) {
    if (at >= data.size() || data[at] != '"') {
        return std::nullopt;
    }
    ++at;
    std::optional<std::string> text = ReadEscapedText(data, at, '"');
    if (!text || !OnlySpaceFrom(data, at)) {
        return std::nullopt;
    }
    text->push_back('\0');
    return text;
}

std::optional<std::string> ParseDword(std::string_view digits) {
    const std::size_t end = digits.find_first_of(" \t");
    const std::string_view number = digits.substr(0, end);
    if (number.empty() || number.size() > 8 || !OnlySpaceFrom(digits, number.size())) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : number) {
        if (!IsHexDigit(c)) {
            return std::nullopt;
        }
        value = value * 16 + HexValue(c);
    }
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
    return bytes;
}

bool IsUtf16TextType(unsigned type) {
    constexpr unsigned kSz = 1, kExpandSz = 2, kMultiSz = 7;
    return type == kSz || type == kExpandSz || type == kMultiSz;
}

// The right-hand side of "name"=..., continuation lines already joined.
std::optional<std::string> ParseValueData(std::string_view data) {
    if (StartsWith(data, "\"")) {
        return ParseQuotedText(data, 0);
    }
    if (StartsWith(data, "str")) {
        std::size_t at = 3;
        return ReadTypeNumber(data, at) ? ParseQuotedText(data, at) : std::nullopt;
    }
    if (StartsWith(data, "dword:")) {
        return ParseDword(data.substr(6));
    }
    if (StartsWith(data, "hex:")) {
        return ParseHexBytes(data.substr(4));
    }
    if (StartsWith(data, "hex")) {
        std::size_t at = 3;
        const std::optional<unsigned> type = ReadTypeNumber(data, at);
        if (!type) {
            return std::nullopt;
        }
        std::optional<std::string> bytes = ParseHexBytes(data.substr(at));
        if (bytes && IsUtf16TextType(*type)) {
            return Utf16LeToUtf8(*bytes);
        }
        return bytes;
    }
    return std::nullopt;
}

// The name on a value line ("NAME" or @ for the default value) and where its
// data starts, after the '='.
std::optional<std::string> ReadValueName(std::string_view line, std::size_t& at) {
    std::optional<std::string> name;
    if (StartsWith(line, "@")) {
        name.emplace();
        at = 1;
    } else if (StartsWith(line, "\"")) {
        at = 1;
        name = ReadEscapedText(line, at, '"');
    }
    if (!name || at >= line.size() || line[at] != '=') {
        return std::nullopt;
    }
    ++at;
    return name;
}

// Longer lines are kept only this far: no line the program needs is
// nearly as long, and a line of a hundred megabytes must not be held.
constexpr std::size_t kLongestLine = 64 * 1024;
// A value the program needs, its continued lines joined, is far shorter.
constexpr std::size_t kLongestValue = 1024 * 1024;

}  // namespace

// Each wanted value keeps the state the file's lines leave it in, as if it
// alone were looked for: a line taken as the continuation of one value may
// be a line of its own for another.
struct RegistryScan::Search {
    std::string keyPath;
    std::string valueName;
    bool inKey = false;
    bool joining = false;  // the value's data goes on in the next line
    bool tooLong = false;  // the value's data has outgrown kLongestValue
    std::string data;
    std::optional<std::string> found;

    void TakeLine(std::string_view line, bool cut) {
        if (joining) {
            Continue(line, cut);
            return;
        }
        if (StartsWith(line, "[")) {
            std::size_t at = 1;
            const std::optional<std::string> key = ReadEscapedText(line, at, ']');
            inKey = key && gamedata::SameIgnoringAsciiCase(*key, keyPath);
            return;
        }
        if (!inKey) {
            return;
        }
        std::size_t at = 0;
        const std::optional<std::string> name = ReadValueName(line, at);
        if (!name || !gamedata::SameIgnoringAsciiCase(*name, valueName)) {
            return;
        }
        tooLong = cut;
        if (!tooLong) {
            data.assign(line.substr(at));
        }
        joining = EndsWithBackslash(line, cut);
        if (!joining) {
            Finish();
        }
    }

    // Wine breaks long hex data after a comma with a backslash and goes on,
    // after leading spaces, on the next line.
    void Continue(std::string_view line, bool cut) {
        if (tooLong) {
            joining = EndsWithBackslash(line, cut);
        } else {
            data.pop_back();
            const std::size_t start = line.find_first_not_of(" \t");
            if (start != std::string_view::npos) {
                data.append(line.substr(start));
            }
            tooLong = cut || data.size() > kLongestValue;
            joining = tooLong ? EndsWithBackslash(line, cut) : !data.empty() && data.back() == '\\';
        }
        if (tooLong) {
            data.clear();
        }
        if (!joining) {
            Finish();
        }
    }

    // The file ended, or the value's last line came.
    void Finish() {
        joining = false;
        if (!tooLong) {
            if (std::optional<std::string> value = ParseValueData(data)) {
                found = std::move(value);
            }
        }
        data.clear();
    }

    // A cut line's end is not known; a value going on past a cut line is
    // too long to read anyway.
    static bool EndsWithBackslash(std::string_view line, bool cut) {
        return cut || (!line.empty() && line.back() == '\\');
    }
};

RegistryScan::RegistryScan(const std::vector<std::pair<std::string, std::string>>& wanted) {
    for (const auto& [keyPath, valueName] : wanted) {
        Search& search = searches_.emplace_back();
        search.keyPath = keyPath;
        search.valueName = valueName;
    }
}

RegistryScan::~RegistryScan() = default;

void RegistryScan::Feed(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view part = bytes.substr(0, end);
        const std::size_t room = kLongestLine - std::min(kLongestLine, line_.size());
        line_.append(part.substr(0, room));
        cut_ = cut_ || part.size() > room;
        if (end == std::string_view::npos) {
            return;
        }
        TakeLine();
        bytes.remove_prefix(end + 1);
    }
}

void RegistryScan::Finish() {
    if (!line_.empty() || cut_) {
        TakeLine();
    }
    for (Search& search : searches_) {
        if (search.joining) {
            search.Finish();
        }
    }
}

bool RegistryScan::IsWin32() const {
    return win32_;
}

const std::optional<std::string>& RegistryScan::Value(std::size_t index) const {
    return searches_.at(index).found;
}

// One line, without its line end ("\n" or "\r\n").
void RegistryScan::TakeLine() {
    std::string_view line = line_;
    if (!cut_ && !line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (!pastHeader_) {
        if (StartsWith(line, "[")) {
            pastHeader_ = true;
        } else if (StartsWith(line, "#arch=")) {
            // The first one counts.
            pastHeader_ = true;
            win32_ = !cut_ && line.substr(6) == "win32";
        }
    }
    for (Search& search : searches_) {
        search.TakeLine(line, cut_);
    }
    line_.clear();
    cut_ = false;
}

std::optional<std::string> ReadRegistryValue(std::string_view fileText, std::string_view keyPath,
                                             std::string_view valueName) {
    RegistryScan scan({{std::string(keyPath), std::string(valueName)}});
    scan.Feed(fileText);
    scan.Finish();
    return scan.Value(0);
}

bool IsWin32Registry(std::string_view fileText) {
    RegistryScan scan({});
    scan.Feed(fileText);
    scan.Finish();
    return scan.IsWin32();
}

}  // namespace finder
