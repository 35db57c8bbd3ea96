#include "finder/case_blind_path.h"

#include <dirent.h>

#include <memory>
#include <vector>

#include "gamedata/ascii_case.h"

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

std::string Folded(std::string name) {
    for (char& c : name) {
        c = gamedata::LowerAscii(c);
    }
    return name;
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
        const std::optional<std::string> name = CaseBlindFolder(walk.path).Match(part);
        if (!name) {
            break;
        }
        AppendPart(walk.path, *name);
        ++walk.matched;
    }
    return walk;
}

}  // namespace

// Directory order differs between file systems; taking the exact spelling,
// else the smallest name by bytes, gives every machine the same answer.
CaseBlindFolder::CaseBlindFolder(const std::string& folder) {
    const OpenDirectory dir(opendir(folder.c_str()));
    if (!dir) {
        return;
    }
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        names_.insert(name);
        auto [smallest, added] = folded_.emplace(Folded(name), name);
        if (!added && name < smallest->second) {
            smallest->second = name;
        }
    }
}

std::optional<std::string> CaseBlindFolder::Match(const std::string& name) const {
    if (names_.count(name) != 0) {
        return name;
    }
    if (const auto found = folded_.find(Folded(name)); found != folded_.end()) {
        return found->second;
    }
    return std::nullopt;
}

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
