#include "about/link_opening.h"

#include <cstdint>

namespace hyperlink {
namespace {

constexpr char kQuotedPlaceholder[] = "\"%1\"";
constexpr char kPlaceholder[] = "%1";

std::size_t FindQuotedPlaceholder(const std::string& command, LeadByteTest isLeadByte) {
    for (std::size_t at = 0; at < command.size();) {
        if (command.compare(at, sizeof kQuotedPlaceholder - 1, kQuotedPlaceholder) == 0) {
            return at;
        }
        at += isLeadByte(command[at]) && at + 1 < command.size() ? 2 : 1;
    }
    return std::string::npos;
}

struct CodeText {
    std::uint32_t code;
    const char* text;
};

constexpr CodeText kCodeTexts[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30,
     "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
     "processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

}  // namespace

std::optional<std::string> FallbackCommandLine(const std::string& registeredCommand,
                                               const std::string& target, LeadByteTest isLeadByte) {
    std::size_t cut = FindQuotedPlaceholder(registeredCommand, isLeadByte);
    if (cut == std::string::npos) {
        cut = registeredCommand.find(kPlaceholder);
    }
    std::string commandLine = registeredCommand.substr(0, cut) + ' ' + target;
    if (commandLine.size() + 1 > kCommandLineBufferSize) {
        return std::nullopt;
    }
    return commandLine;
}

std::string OpenErrorText(int code) {
    // Looked up as unsigned, so a negative code is simply not in the table.
    const auto unsignedCode = static_cast<std::uint32_t>(code);
    for (const CodeText& entry : kCodeTexts) {
        if (entry.code == unsignedCode) {
            return entry.text;
        }
    }
    return "Unknown Error (" + std::to_string(code) + ") occurred.";
}

}  // namespace hyperlink
