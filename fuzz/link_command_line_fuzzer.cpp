// The hyperlink's fallback command line on arbitrary registered commands and
// targets: it never outgrows its 520-byte buffer, it is the registered
// command cut at its placeholder followed by one blank and the target, and
// it is refused exactly when it would not fit.
//
// Input: a mode byte (odd: the code page has two-byte characters, with lead
// bytes as in Shift-JIS), the registered command as a sized piece, and the
// rest as the target.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "about/link_opening.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"

namespace {

using fuzz::Require;
using hyperlink::kCommandLineBufferSize;

bool NoLeadBytes(char) {
    return false;
}

bool ShiftJisLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

// Whether at starts a character of text, read from the front.
bool IsCharacterStart(const std::string& text, std::size_t at, hyperlink::LeadByteTest isLead) {
    std::size_t position = 0;
    while (position < at) {
        position += isLead(text[position]) && position + 1 < text.size() ? 2 : 1;
    }
    return position == at;
}

bool StartsWith(const std::string& text, std::size_t at, const std::string& piece) {
    return text.compare(at, piece.size(), piece) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const bool twoByteCodePage = (input.TakeByte() & 1) != 0;
    const hyperlink::LeadByteTest isLead = twoByteCodePage ? &ShiftJisLeadByte : &NoLeadBytes;
    const std::string command = input.TakeSized();
    const std::string target = input.TakeRest();

    const std::optional<std::string> line = hyperlink::FallbackCommandLine(command, target, isLead);
    if (!line) {
        // Refused only when even the shortest cut could not fit.
        Require(command.size() + 1 + target.size() + 1 > kCommandLineBufferSize,
                "a line that fits is never refused");
        if (!twoByteCodePage) {
            std::size_t cut = command.find("\"%1\"");
            cut = cut != std::string::npos ? cut : command.find("%1");
            cut = cut != std::string::npos ? cut : command.size();
            Require(cut + 1 + target.size() + 1 > kCommandLineBufferSize,
                    "refused exactly when the cut line would overflow");
        }
        return 0;
    }
    Require(line->size() + 1 <= kCommandLineBufferSize, "the line fits its 520-byte buffer");
    Require(
        line->size() >= target.size() + 1 &&
            line->compare(line->size() - target.size() - 1, std::string::npos, " " + target) == 0,
        "the line ends in one blank and the target");
    const std::size_t cut = line->size() - target.size() - 1;
    Require(command.compare(0, cut, *line, 0, cut) == 0, "the line begins with the command");
    if (cut < command.size()) {
        const bool quoted = StartsWith(command, cut, "\"%1\"");
        Require(quoted || StartsWith(command, cut, "%1"), "the command is cut at a placeholder");
        if (quoted) {
            Require(IsCharacterStart(command, cut, isLead),
                    "a quoted placeholder starts a character");
        } else {
            Require(command.find("%1") == cut, "a bare placeholder is the first one");
        }
    }
    if (!twoByteCodePage) {
        const std::size_t quotedAt = command.find("\"%1\"");
        if (quotedAt != std::string::npos) {
            Require(cut == quotedAt, "the first quoted placeholder wins");
        } else {
            Require(cut == std::min(command.find("%1"), command.size()),
                    "without a quoted one, the first bare placeholder");
        }
    }
    return 0;
}
