// A Wine registry file as arbitrary text, and a key path and value name to
// look up in it: reading never faults, key and value names match without
// regard to ASCII case, the file fed in blocks (of 1 to 61 bytes, by the
// appended value's length) reads as it does whole, and a well-formed hex
// value appended at the end of any text reads back as exactly its bytes
// (the last value counts, and no damage before it may swallow it).
//
// Input: the appended value's bytes behind a 16-bit length, the key path up
// to a line end, the value name up to a line end, and the rest as the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "finder/wine_registry_file.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"

namespace {

using fuzz::Require;

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - ('a' - 'A'));
        }
    }
    return text;
}

// Wine's layout: comma-separated pairs, a line break after every 25 bytes.
std::string HexValueText(const std::string& bytes) {
    std::string text = "hex:";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(bytes[i]));
        text += pair;
        if (i + 1 < bytes.size()) {
            text += (i + 1) % 25 == 0 ? ",\\\n  " : ",";
        }
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string appended = input.TakeSized();
    const std::string keyPath = input.TakeUntil('\n');
    const std::string valueName = input.TakeUntil('\n');
    const std::string file = input.TakeRest();

    const std::optional<std::string> value = finder::ReadRegistryValue(file, keyPath, valueName);
    Require(finder::ReadRegistryValue(file, UpperAscii(keyPath), UpperAscii(valueName)) == value,
            "key and value names match without regard to ASCII case");

    finder::RegistryScan scan({{keyPath, valueName}});
    const std::size_t block = 1 + appended.size() % 61;
    for (std::size_t at = 0; at < file.size(); at += block) {
        scan.Feed(std::string_view(file).substr(at, block));
    }
    scan.Finish();
    Require(scan.Value(0) == value, "the file fed in blocks reads as it does whole");
    Require(scan.IsWin32() == finder::IsWin32Registry(file),
            "the header fed in blocks reads as it does whole");

    // Two line ends: the first may end a continued hex line of the text.
    const std::string extended = file + "\n\n[Software\\\\Maxis\\\\The Sims] 1700000000\n" +
                                 "\"SIMS_DATA\"=" + HexValueText(appended) + "\n";
    Require(
        finder::ReadRegistryValue(extended, "Software\\Maxis\\The Sims", "sims_data") == appended,
        "a well-formed value at the end reads back as its bytes");
    return 0;
}
