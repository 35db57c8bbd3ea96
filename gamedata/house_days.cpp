#include "gamedata/house_days.h"

#include <cstdio>

#include "gamedata/file_handle.h"

namespace gamedata {

std::optional<std::int16_t> ReadDays(const std::string& path) {
    FileHandle file = FileHandle::Open(path, "rb");
    if (!file || std::fseek(file.get(), kDaysOffset, SEEK_SET) != 0) {
        return std::nullopt;
    }
    // Byte by byte rather than one 2-byte item: a file that ends after byte
    // 208 still gives its low byte, and the bytes it lacks stay zero.
    unsigned char bytes[2] = {0, 0};
    std::fread(bytes, 1, sizeof bytes, file.get());
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8));
}

WriteResult WriteDays(const std::string& path, std::int32_t value) {
    // "r+b" never creates or truncates: a missing file stays missing, and
    // every byte but the two written keeps its value.
    FileHandle file = FileHandle::Open(path, "r+b");
    if (!file || std::fseek(file.get(), kDaysOffset, SEEK_SET) != 0) {
        return WriteResult::NotFound;
    }
    const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF),
                                    static_cast<unsigned char>((value >> 8) & 0xFF)};
    const bool written = std::fwrite(bytes, 1, sizeof bytes, file.get()) == sizeof bytes;
    // The bytes may sit in the stream's buffer until the close, so only a
    // clean close proves they reached the file.
    const bool closed = file.Close();
    return written && closed ? WriteResult::Done : WriteResult::NotFound;
}

}  // namespace gamedata
