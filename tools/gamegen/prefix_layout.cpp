#include <string>

#include "tools/gamegen/gamegen.h"

namespace gamegen {
namespace {

std::string SystemRegistryText(const PrefixPlan& plan) {
    // Wine doubles every backslash of a key path in its section lines, and
    // a 32-bit game in a 64-bit prefix writes through the WOW64 view.
    const char* key = plan.win32 ? "Software\\\\Maxis\\\\The Sims"
                                 : "Software\\\\Wow6432Node\\\\Maxis\\\\The Sims";
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
    text += plan.win32 ? "#arch=win32\n" : "#arch=win64\n";
    text += "\n[" + std::string(key) + "] 1700000000\n#time=1da0b7c3e2f4a10\n";
    if (!plan.simsData.empty()) {
        text += "\"SIMS_DATA\"=" + plan.simsData + "\n";
    }
    if (!plan.currentNeighbourhood.empty()) {
        text += "\"SIMS_CURRENT_NEIGHBORHOOD_NUM\"=" + plan.currentNeighbourhood + "\n";
    }
    return text;
}

void ReplaceLink(const std::filesystem::path& link, const std::filesystem::path& target) {
    std::filesystem::remove(link);
    std::filesystem::create_directory_symlink(target, link);
}

}  // namespace

void WritePrefix(const std::filesystem::path& prefix, const PrefixPlan& plan) {
    std::filesystem::create_directories(prefix / "drive_c");
    std::filesystem::create_directories(prefix / "dosdevices");
    // The links Wine makes: relative for C:, so the prefix can move, and
    // absolute for Z:, the whole Unix file system.
    ReplaceLink(prefix / "dosdevices" / "c:", "../drive_c");
    ReplaceLink(prefix / "dosdevices" / "z:", "/");
    WriteFileBytes(prefix / "system.reg", SystemRegistryText(plan));
}

}  // namespace gamegen
