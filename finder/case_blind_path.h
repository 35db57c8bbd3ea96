#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace finder {

// The existing entry below root whose relative path (parts separated by '/'
// or '\\') matches each part without regard to ASCII letter case, as Windows
// and Wine find files: "userdata/houses/House03.IFF" finds
// "UserData/Houses/house03.iff". An exact spelling wins over other matches;
// among the others, the first by byte order. Nothing when a part has no match.
// root itself is used as given.
std::optional<std::string> FindCaseBlind(const std::string& root, const std::string& relative);

// The same path, never nothing: from the first part without a match on, the
// parts are appended as written, each after a '/'. A Windows program opens
// such a path and fails only there, so a folder named but missing is still
// reported by its name.
std::string MatchCaseBlindWherePossible(const std::string& root, const std::string& relative);

// One folder's entries, listed once, for many names looked up in it by the
// rule FindCaseBlind applies to each part: a thousand house files are then
// found with one listing instead of a thousand.
class CaseBlindFolder {
public:
    // An empty listing when the folder cannot be read.
    explicit CaseBlindFolder(const std::string& folder);

    // The entry's name as the folder spells it, or nothing.
    std::optional<std::string> Match(const std::string& name) const;

private:
    std::unordered_set<std::string> names_;
    // Each name with its ASCII letters folded, to the smallest spelling by
    // byte order.
    std::unordered_map<std::string, std::string> folded_;
};

}  // namespace finder
