#include "tests/help/chm_archive.h"

#include <algorithm>
#include <stdexcept>

#include "tests/support/test_files.h"

namespace chm {
namespace {

[[noreturn]] void Malformed(const std::string& what) {
    throw std::runtime_error("not a compiled help file: " + what);
}

// Reads little-endian numbers and the directory's variable-length numbers
// from a byte range, refusing to step outside it.
class Reader {
public:
    Reader(const std::string& bytes, std::uint64_t begin, std::uint64_t end)
        : bytes_(bytes), position_(begin), end_(end) {
        if (begin > end || end > bytes.size()) {
            Malformed("a range lies outside the file");
        }
    }

    bool AtEnd() const { return position_ >= end_; }

    std::string Bytes(std::uint64_t count) {
        if (count > end_ - position_) {
            Malformed("a field runs past its end");
        }
        std::string taken = bytes_.substr(position_, count);
        position_ += count;
        return taken;
    }

    std::uint64_t Number(int width) {
        const std::string raw = Bytes(width);
        std::uint64_t value = 0;
        for (int i = width - 1; i >= 0; --i) {
            value = value << 8 | static_cast<unsigned char>(raw[i]);
        }
        return value;
    }

    // Seven bits a byte, most significant first; a set top bit means more.
    std::uint64_t EncodedNumber() {
        std::uint64_t value = 0;
        for (int count = 0; count < 10; ++count) {
            const auto byte = static_cast<unsigned char>(Bytes(1)[0]);
            value = value << 7 | (byte & 0x7F);
            if ((byte & 0x80) == 0) {
                return value;
            }
        }
        Malformed("an encoded number does not end");
    }

private:
    const std::string& bytes_;
    std::uint64_t position_;
    std::uint64_t end_;
};

void Expect(const std::string& found, const char* signature, const char* what) {
    if (found != signature) {
        Malformed(std::string(what) + " has no " + signature + " signature");
    }
}

}  // namespace

Archive::Archive(const std::string& path) {
    const auto read = test_support::ReadBytes(path);
    if (!read) {
        throw std::runtime_error("cannot read " + path);
    }
    bytes_ = *read;

    Reader header(bytes_, 0, std::min<std::uint64_t>(bytes_.size(), 0x60));
    Expect(header.Bytes(4), "ITSF", "the file header");
    if (header.Number(4) != 3) {
        Malformed("the file header is not version 3");
    }
    header.Bytes(0x38 - 8);  // length, date, language and the two class ids
    header.Bytes(16);        // where header section 0 lies
    const std::uint64_t directoryOffset = header.Number(8);
    const std::uint64_t directoryLength = header.Number(8);
    storedContentOffset_ = header.Number(8);

    Reader directory(bytes_, directoryOffset, directoryOffset + directoryLength);
    Expect(directory.Bytes(4), "ITSP", "the directory");
    directory.Number(4);
    const std::uint64_t directoryHeaderLength = directory.Number(4);
    directory.Number(4);
    const std::uint64_t chunkSize = directory.Number(4);
    directory.Bytes(12);  // quick-reference density, index depth, root index chunk
    const auto firstListing = static_cast<std::int32_t>(directory.Number(4));
    directory.Bytes(8);  // last listing chunk and a reserved field
    const std::uint64_t chunkCount = directory.Number(4);

    std::int32_t chunk = firstListing;
    for (std::uint64_t visited = 0; chunk != -1; ++visited) {
        if (chunk < 0 || static_cast<std::uint64_t>(chunk) >= chunkCount || visited == chunkCount) {
            Malformed("the listing chunks do not form a chain");
        }
        const std::uint64_t begin = directoryOffset + directoryHeaderLength + chunk * chunkSize;
        Reader listing(bytes_, begin, begin + chunkSize);
        Expect(listing.Bytes(4), "PMGL", "a listing chunk");
        const std::uint64_t freeSpace = listing.Number(4);
        listing.Bytes(8);  // reserved, previous chunk
        chunk = static_cast<std::int32_t>(listing.Number(4));
        if (freeSpace > chunkSize - 0x14) {
            Malformed("a listing chunk claims more free space than it has");
        }
        Reader entries(bytes_, begin + 0x14, begin + chunkSize - freeSpace);
        while (!entries.AtEnd()) {
            const std::string name = entries.Bytes(entries.EncodedNumber());
            Entry entry;
            entry.section = entries.EncodedNumber();
            entry.offset = entries.EncodedNumber();
            entry.length = entries.EncodedNumber();
            files_[name] = entry;
        }
    }
}

std::string Archive::ReadStored(const std::string& name) const {
    const auto found = files_.find(name);
    if (found == files_.end() || found->second.section != 0) {
        Malformed(name + " is not stored uncompressed");
    }
    const std::uint64_t begin = storedContentOffset_ + found->second.offset;
    Reader content(bytes_, begin, begin + found->second.length);
    return content.Bytes(found->second.length);
}

std::map<int, std::string> Archive::SystemRecords() const {
    const std::string system = ReadStored("/#SYSTEM");
    Reader records(system, 0, system.size());
    records.Number(4);  // version
    std::map<int, std::string> texts;
    while (!records.AtEnd()) {
        const auto code = static_cast<int>(records.Number(2));
        const std::string data = records.Bytes(records.Number(2));
        texts[code] = data.substr(0, data.find('\0'));
    }
    return texts;
}

}  // namespace chm
