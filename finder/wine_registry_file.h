#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// Both of the above for several values at once, in one pass over a file
// fed in blocks split anywhere: its lines stream through, and what is kept
// is bounded whatever the file holds (a line's first 64 KiB; a value whose
// data runs past 1 MiB counts as unreadable).
class RegistryScan {
public:
    // Key paths and value names, as ReadRegistryValue takes them.
    explicit RegistryScan(const std::vector<std::pair<std::string, std::string>>& wanted);
    ~RegistryScan();
    RegistryScan(const RegistryScan&) = delete;
    RegistryScan& operator=(const RegistryScan&) = delete;

    void Feed(std::string_view bytes);
    // After the last block: the file's end ends its last line.
    void Finish();

    bool IsWin32() const;
    // The wanted value of that index, as ReadRegistryValue reads it.
    const std::optional<std::string>& Value(std::size_t index) const;

private:
    struct Search;
    void TakeLine();

    std::vector<Search> searches_;
    std::string line_;
    bool cut_ = false;
    bool pastHeader_ = false;
    bool win32_ = false;
};

}  // namespace finder
