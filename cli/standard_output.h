#pragma once

#include <string>

namespace cli {

// POSIX: a standard descriptor that is closed when the program starts is
// the first one an open takes, and the report would then be written into
// a game file. Each closed one is taken by /dev/null first. Returns whether
// standard output was really there.
bool HoldStandardDescriptors();

// Writes all of text to standard output and flushes it; false when any of
// it did not get there (a closed output, a full disk).
bool PrintAll(const std::string& text);

}  // namespace cli
