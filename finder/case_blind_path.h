#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace finder {

// Where a look-up without regard to case ended. A folder that cannot be
// looked in is not a folder without the name: the player must hear which
// folder and why, not that the file is missing.
struct CaseBlindMatch {
    enum class Outcome { Found, Missing, CannotLook };
    Outcome outcome = Outcome::Missing;
    // Found: the entry's path. CannotLook: the folder that could not be
    // looked in.
    std::string path;
    int error = 0;  // CannotLook: the system's reason, an errno value
};

// The entry below root whose relative path (parts separated by '/' or
// '\\') matches each part without regard to ASCII letter case, as Windows
// and Wine find files: "userdata/houses/House03.IFF" finds
// "UserData/Houses/house03.iff". An exact spelling wins over other matches;
// among the others, the first by byte order. A part spelt exactly is found
// in a folder that can be searched but not listed, as Wine opens it there.
// Missing when a folder on the way is missing or is no folder; CannotLook
// for any other failure to list or search one. root itself is used as
// given.
CaseBlindMatch LookUpCaseBlind(const std::string& root, const std::string& relative);

// The path LookUpCaseBlind finds; nothing when it finds none, for whatever
// reason, as a search that looks in many places wants it.
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
    explicit CaseBlindFolder(std::string folder);

    // The entry's path, spelt as the folder spells it, by LookUpCaseBlind's
    // rule for one part.
    CaseBlindMatch Find(const std::string& name) const;

private:
    std::string folder_;
    int listingError_ = 0;  // errno of a listing that failed, else 0
    std::unordered_set<std::string> names_;
    // Each name with its ASCII letters folded, to the smallest spelling by
    // byte order.
    std::unordered_map<std::string, std::string> folded_;
};

}  // namespace finder
