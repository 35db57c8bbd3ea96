#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The texts of opening a link: the command line of the fallback start, and
// what a failure says.
namespace hyperlink {

// The fallback command line is built in a buffer of this many bytes, its
// terminating zero included.
constexpr std::size_t kCommandLineBufferSize = 2 * 260;

// Whether a byte opens a two-byte character in the system's ANSI code page.
using LeadByteTest = bool (*)(char byte);

// The command line that starts the program registered for web pages with
// target: the registered command up to its "%1" placeholder (the quoted one
// if there is one, searched character by character so that the second byte
// of a two-byte character is never taken for a quote; else the bare one),
// one blank and the target. Whatever followed the placeholder is dropped.
// Nothing when the line would not fit the buffer.
std::optional<std::string> FallbackCommandLine(const std::string& registeredCommand,
                                               const std::string& target, LeadByteTest isLeadByte);

// What the shell's or the fallback's failure code means to the user.
std::string OpenErrorText(int code);

}  // namespace hyperlink
