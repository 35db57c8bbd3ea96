#pragma once

#include <cstdint>
#include <string>

namespace cli {

// Writes days into an existing house file as Update Days does, and returns
// the value it held before. Everything is checked before the one write: the
// file must be there (else NotFound), readable and at least 210 bytes long,
// so that the write never grows it (else FileError). Throws Refusal; a
// write that does not reach the file is a FileError, never a success.
std::int16_t SetHouseDays(const std::string& path, std::int32_t days);

}  // namespace cli
