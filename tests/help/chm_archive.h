#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace chm {

// One file of a compiled help archive, as its directory lists it: section 0
// holds files stored as they are, section 1 the compressed ones.
struct Entry {
    std::uint64_t section = 0;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// A compiled HTML help file read the way a viewer starts: the ITSF header,
// the ITSP directory header and its chain of PMGL listing chunks. Written
// from the format, independent of the compiler that made the file. Throws
// std::runtime_error when the file is not a well-formed archive.
class Archive {
public:
    explicit Archive(const std::string& path);

    // Every file by its name in the archive ("/overview.htm", "/#SYSTEM").
    const std::map<std::string, Entry>& Files() const { return files_; }
    // The bytes of an uncompressed (section 0) file.
    std::string ReadStored(const std::string& name) const;
    // The text records of /#SYSTEM by code: 0 contents file, 1 index file,
    // 2 default topic, 3 title.
    std::map<int, std::string> SystemRecords() const;

private:
    std::string bytes_;
    std::uint64_t storedContentOffset_ = 0;
    std::map<std::string, Entry> files_;
};

}  // namespace chm
