#pragma once

#include <string>

#include "cli/results.h"

// Each command's result as the one JSON object a script reads, or as text
// for a person. Both end with a line break.
namespace cli {

std::string ToJson(const WhereResult& result);
std::string ToJson(const NeighbourhoodsResult& result);
std::string ToJson(const ListResult& result);
std::string ToJson(const SetResult& result);

std::string ToText(const WhereResult& result);
std::string ToText(const NeighbourhoodsResult& result);
std::string ToText(const ListResult& result);
std::string ToText(const SetResult& result);

// Text from a file or the system as a person's terminal shows it: every
// control character (C0, DEL and C1) escaped, "\r" and "\n" and "\t" by
// their letter and the others as "\x1b" or "\u0085", so the text is one
// line and never a command to the terminal. JSON escapes its own.
std::string Shown(const std::string& utf8);

}  // namespace cli
