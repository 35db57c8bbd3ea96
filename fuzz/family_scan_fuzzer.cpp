// ScanFamilies against the literal reference scan on arbitrary bytes: any
// difference in the families found is a crash. The first byte picks a
// block size of 1 to 256 bytes, which puts block boundaries inside markers,
// lot numbers, the name gap and names; the rest is the neighbourhood file.
// The program's own block size is held to the reference as well.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/unique_handle.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "gamedata/family_scanner.h"
#include "gamedata/family_scanner_blocks.h"
#include "tests/gamedata/reference_scanner.h"

namespace {

using fuzz::Require;
using Families = std::optional<std::vector<gamedata::FamilyRecord>>;

int NoDescriptor() {
    return -1;
}

using FileDescriptor = UniqueHandle<int, &close, &NoDescriptor>;

// The neighbourhood file lives in memory, so an input costs no disk traffic
// and leaves nothing behind; both scanners open it by its /proc path like
// any other file.
class MemoryFile {
public:
    MemoryFile() : descriptor_(memfd_create("neighborhood.iff", 0)) {
        Require(static_cast<bool>(descriptor_), "the memory file can be created");
        path_ = "/proc/self/fd/" + std::to_string(descriptor_.Get());
    }

    void Fill(const std::string& bytes) {
        Require(ftruncate(descriptor_.Get(), 0) == 0, "the memory file can be emptied");
        std::size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t count = pwrite(descriptor_.Get(), bytes.data() + written,
                                         bytes.size() - written, static_cast<off_t>(written));
            Require(count > 0, "the memory file can be written");
            written += static_cast<std::size_t>(count);
        }
    }

    const std::string& path() const { return path_; }

private:
    FileDescriptor descriptor_;
    std::string path_;
};

void Print(const char* title, const Families& families) {
    std::fprintf(stderr, "%s:", title);
    if (!families) {
        std::fprintf(stderr, " not found\n");
        return;
    }
    for (const gamedata::FamilyRecord& family : *families) {
        std::fprintf(stderr, " {%d, \"%s\"}", family.lot, family.name.c_str());
    }
    std::fprintf(stderr, "\n");
}

void RequireSame(const Families& scanned, const Families& reference, std::size_t blockSize) {
    if (scanned != reference) {
        std::fprintf(stderr, "block size %zu\n", blockSize);
        Print("ScanFamilies", scanned);
        Print("reference", reference);
        Require(false, "ScanFamilies finds the families the reference scan finds");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    fuzz::FuzzInput input(data, size);
    const std::size_t blockSize = 1 + std::size_t{input.TakeByte()};
    file.Fill(input.TakeRest());

    const Families reference = gamedata_reference::ReferenceScanFamilies(file.path());
    Require(reference.has_value(), "the reference scan opens the file");
    for (const gamedata::FamilyRecord& family : *reference) {
        Require(family.lot > 0, "only families on a lot are listed");
        Require(family.name.size() <= 32, "names are cut at 32 bytes");
        Require(family.name.find('\0') == std::string::npos, "a zero byte ends a name");
    }
    RequireSame(gamedata::ScanFamilies(file.path(), blockSize), reference, blockSize);
    RequireSame(gamedata::ScanFamilies(file.path()), reference, gamedata::kScanBlockSize);
    return 0;
}
