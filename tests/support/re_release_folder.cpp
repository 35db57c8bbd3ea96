#include "tests/support/re_release_folder.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace test_support {

std::string ReReleaseFolder::DataFolderText() const {
    return savedGames_.string() + "\\Electronic Arts\\The Sims 25";
}

void ReReleaseFolder::MakeFolder() {
    MakeVendorFolder();
    std::filesystem::create_directory(folder_);
}

void ReReleaseFolder::MakeFile() {
    MakeVendorFolder();
    if (!std::ofstream(folder_)) {
        throw std::runtime_error("cannot make the file " + folder_.string());
    }
}

void ReReleaseFolder::MakeVendorFolder() {
    if (std::filesystem::create_directories(vendorFolder_)) {
        madeVendorFolder_ = true;
    }
}

// The save folder was not there when the object was made, so all of it is
// the test's; the vendor folder goes only if the test made it.
void ReReleaseFolder::RemoveWhatWasMade() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    if (madeVendorFolder_) {
        std::filesystem::remove(vendorFolder_, ignored);
    }
}

}  // namespace test_support
