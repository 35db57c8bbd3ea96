#include "finder/case_blind_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
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

std::string Joined(std::string path, const std::string& part) {
    if (path.empty() || path.back() != '/') {
        path.push_back('/');
    }
    return path + part;
}

// Matches part after part; stops at the first part without a match and
// reports how many matched, and why the next did not.
struct Walk {
    std::string path;
    std::size_t matched = 0;
    CaseBlindMatch stop;
};

Walk WalkCaseBlind(const std::string& root, const std::vector<std::string>& parts) {
    Walk walk{root, 0, {}};
    for (const std::string& part : parts) {
        CaseBlindMatch next = CaseBlindFolder(walk.path).Find(part);
        if (next.outcome != CaseBlindMatch::Outcome::Found) {
            walk.stop = std::move(next);
            break;
        }
        walk.path = std::move(next.path);
        ++walk.matched;
    }
    return walk;
}

}  // namespace

// Directory order differs between file systems; taking the exact spelling,
// else the smallest name by bytes, gives every machine the same answer.
CaseBlindFolder::CaseBlindFolder(std::string folder) : folder_(std::move(folder)) {
    const OpenDirectory dir(opendir(folder_.c_str()));
    if (!dir) {
        listingError_ = errno;
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

CaseBlindMatch CaseBlindFolder::Find(const std::string& name) const {
    using Outcome = CaseBlindMatch::Outcome;
    if (listingError_ == 0) {
        if (names_.count(name) != 0) {
            return {Outcome::Found, Joined(folder_, name), 0};
        }
        if (const auto found = folded_.find(Folded(name)); found != folded_.end()) {
            return {Outcome::Found, Joined(folder_, found->second), 0};
        }
        return {Outcome::Missing, std::string(), 0};
    }
    if (listingError_ == ENOENT || listingError_ == ENOTDIR) {
        return {Outcome::Missing, std::string(), 0};
    }
    // Searchable but not listable (mode 111): the exact spelling still
    // opens, so it is there; any other spelling cannot be told from none.
    const std::string exact = Joined(folder_, name);
    struct stat status {};
    if (lstat(exact.c_str(), &status) == 0) {
        return {Outcome::Found, exact, 0};
    }
    return {Outcome::CannotLook, folder_, listingError_};
}

CaseBlindMatch LookUpCaseBlind(const std::string& root, const std::string& relative) {
    const std::vector<std::string> parts = SplitParts(relative);
    Walk walk = WalkCaseBlind(root, parts);
    if (walk.matched < parts.size()) {
        return std::move(walk.stop);
    }
    return {CaseBlindMatch::Outcome::Found, std::move(walk.path), 0};
}

std::optional<std::string> FindCaseBlind(const std::string& root, const std::string& relative) {
    CaseBlindMatch match = LookUpCaseBlind(root, relative);
    if (match.outcome != CaseBlindMatch::Outcome::Found) {
        return std::nullopt;
    }
    return std::move(match.path);
}

std::string MatchCaseBlindWherePossible(const std::string& root, const std::string& relative) {
    const std::vector<std::string> parts = SplitParts(relative);
    Walk walk = WalkCaseBlind(root, parts);
    for (std::size_t i = walk.matched; i < parts.size(); ++i) {
        walk.path = Joined(std::move(walk.path), parts[i]);
    }
    return std::move(walk.path);
}

}  // namespace finder
