#pragma once

#include <memory>
#include <optional>
#include <string>

namespace cli {

// Windows-1252: the ANSI code page of the game's western releases, whose
// names the neighbourhood files hold byte for byte.
constexpr unsigned kGameCodePage = 1252;

// Turns text stored in a Windows ANSI code page into UTF-8, the program's
// output. Windows-1252 is converted by the core's own table in both builds
// alike; other code pages by the system, each name on its own (a converter
// that holds a character back for a combining mark gives it up at the
// name's end). A byte sequence the code page does not define becomes
// U+FFFD, so the output stays valid UTF-8 whatever a file holds.
// Linux: iconv ("CP<number>"). Windows: MultiByteToWideChar.
class CodePage {
public:
    // Nothing when this system cannot convert from that code page.
    static std::optional<CodePage> Open(unsigned number);

    ~CodePage();
    CodePage(CodePage&& other) noexcept;
    CodePage& operator=(CodePage&& other) noexcept;
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    std::string ToUtf8(const std::string& text) const;

private:
    struct Converter;  // the system's, for every code page but 1252
    CodePage();        // Windows-1252
    explicit CodePage(std::unique_ptr<Converter> converter);
    static std::optional<CodePage> OpenSystem(unsigned number);
    std::string SystemToUtf8(const std::string& text) const;

    std::unique_ptr<Converter> converter_;  // nothing: Windows-1252
};

// Text the system hands over (command-line arguments, Windows paths) as
// UTF-8. Linux: as it is, the locale of a Steam Deck or desktop being
// UTF-8. Windows: from the system's ANSI code page.
std::string SystemTextToUtf8(const std::string& text);

}  // namespace cli
