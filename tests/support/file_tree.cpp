#include "tests/support/file_tree.h"

#include <fstream>
#include <stdexcept>

namespace test_support {
namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t Hash(std::uint64_t hash, const char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * kFnvPrime;
    }
    return hash;
}

// Read in blocks: a neighbourhood file under test may be a hundred
// megabytes.
Fingerprint FingerprintOfFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.u8string());
    }
    Fingerprint fingerprint{Fingerprint::Kind::File, 0, kFnvOffset};
    std::vector<char> block(1 << 20);
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        fingerprint.hash = Hash(fingerprint.hash, block.data(), got);
        fingerprint.size += got;
    }
    return fingerprint;
}

Fingerprint FingerprintOfEntry(const std::filesystem::directory_entry& entry) {
    if (entry.is_symlink()) {
        const std::string target = std::filesystem::read_symlink(entry.path()).string();
        return {Fingerprint::Kind::Link, target.size(),
                Hash(kFnvOffset, target.data(), target.size())};
    }
    if (entry.is_directory()) {
        return {Fingerprint::Kind::Folder, 0, 0};
    }
    if (!entry.is_regular_file()) {
        return {Fingerprint::Kind::Special, 0, 0};
    }
    return FingerprintOfFile(entry.path());
}

}  // namespace

Fingerprint FingerprintOf(const std::string& bytes) {
    return {Fingerprint::Kind::File, bytes.size(), Hash(kFnvOffset, bytes.data(), bytes.size())};
}

TreeSnapshot SnapshotTree(const std::filesystem::path& root) {
    TreeSnapshot snapshot;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string name = entry.path().lexically_relative(root).generic_u8string();
        snapshot[name] = FingerprintOfEntry(entry);
    }
    return snapshot;
}

std::vector<std::string> TreeDifferences(const TreeSnapshot& expected, const TreeSnapshot& actual) {
    std::vector<std::string> differences;
    for (const auto& [name, fingerprint] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end()) {
            differences.push_back("gone: " + name);
        } else if (found->second != fingerprint) {
            differences.push_back("changed: " + name + " (" + std::to_string(fingerprint.size) +
                                  " bytes expected, " + std::to_string(found->second.size) +
                                  " found)");
        }
    }
    for (const auto& entry : actual) {
        if (expected.count(entry.first) == 0) {
            differences.push_back("new: " + entry.first);
        }
    }
    return differences;
}

}  // namespace test_support
