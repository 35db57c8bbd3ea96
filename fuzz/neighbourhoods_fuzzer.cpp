// Neighbourhood discovery on arbitrary folder names, handed in through the
// directory-search seam: every label is two characters, every folder gives
// at most one, plain files give none, and a folder's label does not depend
// on the entries listed around it.
//
// Input: the data folder's text, then entries, each ended by a zero byte
// (the one byte no file name holds): a kind byte (odd for a folder) and
// the entry's name.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "gamedata/directory_listing.h"
#include "gamedata/neighbourhood_finder.h"

namespace {

using fuzz::Require;
using gamedata::DirectoryEntry;
using Entries = std::vector<DirectoryEntry>;
using Labels = std::vector<std::string>;

Labels ListFrom(const std::string& dataFolder, const Entries& entries) {
    return gamedata::ListNeighbourhoods(
        dataFolder, [&](const std::string& pattern, const gamedata::EntryVisitor& visit) {
            Require(pattern == dataFolder + "\\*.*", "the search covers the data folder's *.*");
            for (const DirectoryEntry& entry : entries) {
                visit(entry);
            }
            return true;
        });
}

bool IsUpperAscii(char c) {
    return c >= 'A' && c <= 'Z';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string dataFolder = input.TakeUntil('\0');
    Entries entries;
    Entries folders;
    while (!input.Empty()) {
        DirectoryEntry entry;
        entry.isDirectory = (input.TakeByte() & 1) != 0;
        entry.name = input.TakeUntil('\0');
        entries.push_back(entry);
        if (entry.isDirectory && entry.name != "." && entry.name != "..") {
            folders.push_back(entry);
        }
    }

    const Labels labels = ListFrom(dataFolder, entries);
    for (const std::string& label : labels) {
        Require(label.size() == 2, "every label is two characters");
        Require(std::none_of(label.begin(), label.end(), IsUpperAscii),
                "labels are taken after lower-casing");
    }
    Require(labels.size() <= folders.size(), "a folder gives at most one label");
    Require(ListFrom(dataFolder, folders) == labels, "only folders other than . and .. count");

    Entries reversed(entries.rbegin(), entries.rend());
    const Labels reversedLabels(labels.rbegin(), labels.rend());
    Require(ListFrom(dataFolder, reversed) == reversedLabels,
            "a folder's label does not depend on the entries around it");
    return 0;
}
