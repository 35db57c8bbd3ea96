#pragma once

#include <filesystem>
#include <string>

#ifndef _WIN32
#include "tests/support/test_files.h"
#endif

namespace test_support {

// The re-release's save folder, <Saved Games>\Electronic Arts\The Sims 25,
// as a test sets it up: absent until made, gone again with everything in
// it when the object goes. Natively the Saved Games folder is a fresh
// temporary folder handed to the program's stand-in; on Windows it is the
// user's real one, found by the test's own known-folder call, and a save
// folder already there (a real player's) makes the constructor throw
// rather than be touched.
class ReReleaseFolder {
public:
    ReReleaseFolder();
    ~ReReleaseFolder();
    ReReleaseFolder(const ReReleaseFolder&) = delete;
    ReReleaseFolder& operator=(const ReReleaseFolder&) = delete;

    const std::filesystem::path& path() const { return folder_; }
    // The path as the program spells it: Saved Games and the two names
    // joined by backslashes.
    std::string DataFolderText() const;

    void MakeFolder();
    // A plain file of that name: no save folder.
    void MakeFile();

private:
    void MakeVendorFolder();
    void RemoveWhatWasMade();

#ifndef _WIN32
    TempFolder standIn_;
#endif
    std::filesystem::path savedGames_;
    std::filesystem::path vendorFolder_;
    std::filesystem::path folder_;
    bool madeVendorFolder_ = false;
};

}  // namespace test_support
