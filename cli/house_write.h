#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "gamedata/checked_file.h"

namespace cli {

// The days of a house file for the list: a regular file in place (never
// through a link at its own name, never a FIFO or a device), read through
// the one descriptor its check used. Missing bytes of a short file read as
// zero, as in the dialog. Nothing when the file is no such file or cannot
// be read.
std::optional<std::int16_t> ReadHouseDays(const std::string& path);

// A house file opened once for the write, as Update Days writes it, and
// checked on that descriptor: a regular file in place, readable, writable
// and at least 210 bytes long, so that the write never grows it. Throws
// Refusal: NotFound when it is missing, FileError for anything else.
// Whatever happens to the path afterwards, the write reaches the file that
// was checked.
class HouseFileWrite {
public:
    explicit HouseFileWrite(const std::string& path);

    // Reads the days the file holds and writes days in their place; returns
    // the days read. Throws Refusal (FileError), having written nothing,
    // when the file no longer holds the field; a write that does not reach
    // the file is a FileError too, never a success.
    std::int16_t Write(std::int32_t days);

private:
    std::string shown_;  // the path, for messages
    gamedata::CheckedFile file_;
};

}  // namespace cli
