#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "common/unique_handle.h"
#include "gamedata/file_handle.h"
#include "gamedata/game_process.h"

namespace gamedata {
namespace {

using DirectoryHandle = UniqueHandle<DIR*, &closedir>;

bool IsProcessNumber(const char* name) {
    if (*name == '\0') {
        return false;
    }
    for (; *name != '\0'; ++name) {
        if (*name < '0' || *name > '9') {
            return false;
        }
    }
    return true;
}

// Empty when it cannot be read: the process may have ended meanwhile, or
// keep it to itself.
std::string ReadProcessFile(const std::string& path) {
    const FileHandle file = FileHandle::Open(path, "rb");
    if (!file) {
        return std::string();
    }
    std::string text;
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, read);
    }
    return std::ferror(file.get()) ? std::string() : text;
}

}  // namespace

bool GameIsRunning() {
    const DirectoryHandle processes(opendir("/proc"));
    if (!processes) {
        return false;
    }
    const uid_t user = geteuid();
    while (const dirent* entry = readdir(processes.Get())) {
        if (!IsProcessNumber(entry->d_name)) {
            continue;
        }
        const std::string folder = std::string("/proc/") + entry->d_name;
        struct stat status {};
        if (stat(folder.c_str(), &status) != 0 || status.st_uid != user) {
            continue;
        }
        std::string name = ReadProcessFile(folder + "/comm");
        if (!name.empty() && name.back() == '\n') {
            name.pop_back();
        }
        if (IsGameProcess(name, ReadProcessFile(folder + "/cmdline"))) {
            return true;
        }
    }
    return false;
}

}  // namespace gamedata
