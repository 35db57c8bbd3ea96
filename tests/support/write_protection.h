#pragma once

#include <string>

namespace test_support {

// Makes an existing file refuse to be opened for writing for as long as the
// object lives, by whatever the platform really offers, and undoes it.
// Simply clearing write permission is not enough everywhere: root (and
// Wine run as root) may still open such a file for writing. When no
// mechanism works here, active() is false and reason() says why.
class WriteProtection {
public:
    explicit WriteProtection(const std::string& path);
    ~WriteProtection();
    WriteProtection(const WriteProtection&) = delete;
    WriteProtection& operator=(const WriteProtection&) = delete;

    bool active() const { return active_; }
    const std::string& reason() const { return reason_; }

private:
    std::string path_;
    bool active_ = false;
    std::string reason_;
#ifdef _WIN32
    void* blockingHandle_ = nullptr;
#else
    bool immutable_ = false;
#endif
};

}  // namespace test_support
