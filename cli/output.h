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

}  // namespace cli
