#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace test_support {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes. Unique per process and per object, so tests
// running side by side never share one.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of name inside the folder, as text for the program's API.
    std::string File(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// Nothing when the file cannot be opened.
std::optional<std::string> ReadBytes(const std::string& path);

}  // namespace test_support
