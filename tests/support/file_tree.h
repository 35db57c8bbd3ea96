#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace test_support {

// What a file holds, told apart by size and a 64-bit FNV-1a hash of its
// bytes. A folder has its own fingerprint, so a folder made or removed
// counts as a change too; a link is told by where it leads (never
// followed), and a FIFO or a device by its kind alone (never read).
struct Fingerprint {
    enum class Kind { File, Folder, Link, Special };
    Kind kind = Kind::File;
    std::uintmax_t size = 0;
    std::uint64_t hash = 0;

    bool operator==(const Fingerprint& other) const {
        return kind == other.kind && size == other.size && hash == other.hash;
    }
    bool operator!=(const Fingerprint& other) const { return !(*this == other); }
};

Fingerprint FingerprintOf(const std::string& bytes);

// Every file and folder below root, by its path relative to root (UTF-8,
// forward slashes).
using TreeSnapshot = std::map<std::string, Fingerprint>;
TreeSnapshot SnapshotTree(const std::filesystem::path& root);

// One line per path that is new, gone or changed between the two, naming
// which; empty when the two are the same.
std::vector<std::string> TreeDifferences(const TreeSnapshot& expected, const TreeSnapshot& actual);

}  // namespace test_support
