#pragma once

#include <optional>
#include <string>

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

}  // namespace finder
