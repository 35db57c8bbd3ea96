#include "finder/case_blind_path.h"

#include <dirent.h>

#include <memory>
#include <vector>

#include "finder/ascii_case.h"

namespace finder {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using OpenDirectory = std::unique_ptr<DIR, DirCloser>;

std::vector<std::string> SplitParts(const std::string& relative) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : relative) {
        if (c == '/' || c == '\\') {
            if (!part.empty()) {
                parts.push_back(part);
            }
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    if (!part.empty()) {
        parts.push_back(part);
    }
    return parts;
}

// The entry of folder named part, letter case aside. Directory order differs
// between file systems; taking the exact spelling, else the smallest name
// by bytes, gives every machine the same answer.
std::optional<std::string> MatchInFolder(const std::string& folder, const std::string& part) {
    const OpenDirectory dir(opendir(folder.c_str()));
    if (!dir) {
        return std::nullopt;
    }
    std::optional<std::string> best;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == part) {
            return name;
        }
        if (SameIgnoringAsciiCase(name, part) && (!best || name < *best)) {
            best = name;
        }
    }
    return best;
}

// Matches part after part; stops at the first part without a match and
// reports how many matched.
struct Walk {
    std::string path;
    std::size_t matched = 0;
};

void AppendPart(std::string& path, const std::string& part) {
    if (path.empty() || path.back() != '/') {
        path.push_back('/');
    }
    path += part;
}

Walk WalkCaseBlind(const std::string& root, const std::vector<std::string>& parts) {
    Walk walk{root, 0};
    for (const std::string& part : parts) {
        const std::optional<std::string> name = MatchInFolder(walk.path, part);
        if (!name) {
            break;
        }
        AppendPart(walk.path, *name);
        ++walk.matched;
    }
    return walk;
}

}  // namespace

std::optional<std::string> FindCaseBlind(const std::string& root, const std::string& relative) {
    const std::vector<std::string> parts = SplitParts(relative);
    Walk walk = WalkCaseBlind(root, parts);
    if (walk.matched < parts.size()) {
        return std::nullopt;
    }
    return std::move(walk.path);
}

std::string MatchCaseBlindWherePossible(const std::string& root, const std::string& relative) {
    const std::vector<std::string> parts = SplitParts(relative);
    Walk walk = WalkCaseBlind(root, parts);
    for (std::size_t i = walk.matched; i < parts.size(); ++i) {
        AppendPart(walk.path, parts[i]);
    }
    return std::move(walk.path);
}

}  // namespace finder
