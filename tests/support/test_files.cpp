#include "tests/support/test_files.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace test_support {
namespace {

std::string RandomFolderName() {
    static std::mt19937_64 random{std::random_device{}()};
    static const char kDigits[] = "0123456789abcdef";
    std::string name = "lotwarden-test-";
    for (int i = 0; i < 16; ++i) {
        name.push_back(kDigits[random() % 16]);
    }
    return name;
}

}  // namespace

TempFolder::TempFolder() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        path_ = std::filesystem::temp_directory_path() / RandomFolderName();
        if (std::filesystem::create_directory(path_)) {
            return;
        }
    }
    throw std::runtime_error("no fresh temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::File(const std::string& name) const {
    return (path_ / name).string();
}

std::optional<std::string> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace test_support
