// Steam's libraryfolders.vdf as arbitrary text: reading never faults, a
// comment line in front changes nothing, and any folder name, escaped as
// Steam escapes it, reads back exactly from a file of the new layout.
//
// Input: the folder name behind a 16-bit length, the rest as the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "finder/steam_library_list.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"

namespace {

using fuzz::Require;

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            escaped.push_back('\\');
        }
        escaped.push_back(c);
    }
    return escaped;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string folder = input.TakeSized();
    const std::string file = input.TakeRest();

    const std::vector<std::string> folders = finder::ReadSteamLibraryFolders(file);
    Require(finder::ReadSteamLibraryFolders("// comment\n" + file) == folders,
            "a comment line in front changes nothing");

    const std::string written = "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" +
                                Escaped(folder) + "\"\n\t}\n}\n";
    Require(finder::ReadSteamLibraryFolders(written) == std::vector<std::string>{folder},
            "an escaped folder name reads back as written");
    return 0;
}
