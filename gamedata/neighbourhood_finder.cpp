#include "gamedata/neighbourhood_finder.h"

#include "gamedata/directory_listing.h"

namespace gamedata {
namespace {

constexpr std::size_t kFolderStemSize = 8;  // "userdata"

// The name without its last "." and what follows: "UserData.old" is a
// neighbourhood folder with the title "UserData".
std::string Title(const std::string& name) {
    return name.substr(0, name.rfind('.'));
}

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

std::vector<std::string> ListNeighbourhoods(const std::string& dataFolder) {
    return ListNeighbourhoods(dataFolder, &ForEachDirectoryEntry);
}

std::vector<std::string> ListNeighbourhoods(const std::string& dataFolder,
                                            const DirectorySearch& search) {
    std::vector<std::string> labels;
    search(dataFolder + "\\*.*", [&labels](const DirectoryEntry& entry) {
        if (!entry.isDirectory || entry.name == "." || entry.name == "..") {
            return;
        }
        const std::string title = ToLowerAnsi(Title(entry.name));
        if (!Contains(title, "userdata") || Contains(title, "template")) {
            return;
        }
        // The first eight characters go whatever they are, so "myuserdata3"
        // leaves "ta3" and yields nothing.
        const std::string suffix = title.substr(kFolderStemSize);
        if (suffix.empty()) {
            labels.push_back("01");
        } else if (suffix.size() == 1) {
            labels.push_back("0" + suffix);
        } else if (suffix.size() == 2) {
            labels.push_back(suffix);
        }
    });
    return labels;
}

}  // namespace gamedata
