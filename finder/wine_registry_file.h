#pragma once

#include <optional>
#include <string>
#include <string_view>

// Values from the text of a Wine registry file (system.reg, user.reg), which
// anyone can edit: whatever the text holds, a read ends in a value or in
// nothing, never in a fault.
namespace finder {

// The bytes a Windows program gets from RegQueryValueExA for the value
// valueName (empty: the key's default value, "@") of the key keyPath (parts
// joined by single backslashes, relative to the file's root, e.g.
// "Software\\Maxis\\The Sims"). Key and value names match without regard to
// ASCII case; when the file names the value twice, the last readable one
// counts, as when Wine loads the file.
// - Text ("..." and str(N):"...") comes back as UTF-8 with the terminating
//   zero the registry stores, like the ANSI call's result. Escaped UTF-16
//   code units (\x1 to \x1234) are converted, surrogate pairs combined; a
//   surrogate without its partner becomes U+FFFD, so a damaged name still
//   reads as one value instead of vanishing.
// - hex(1), hex(2) and hex(7) hold UTF-16LE text: converted the same way,
//   every code unit the data holds (the zero at its end included), an odd
//   last byte dropped.
// - dword:XXXXXXXX gives its 4 bytes, least significant first; hex: and other
//   hex(N): types give their bytes as written.
// Nothing when the key or the value is missing or its line is malformed.
std::optional<std::string> ReadRegistryValue(std::string_view fileText, std::string_view keyPath,
                                             std::string_view valueName);

// True when the file's header says "#arch=win32": a prefix without the
// WOW64 registry view, where a 32-bit program's keys have no Wow6432Node.
bool IsWin32Registry(std::string_view fileText);

}  // namespace finder
