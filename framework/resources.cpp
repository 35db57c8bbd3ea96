#include "framework/resources.h"

HINSTANCE ResourceModule() {
    return GetModuleHandleA(nullptr);
}

std::string LoadResourceString(UINT id) {
    char text[1024];
    const int length = LoadStringA(ResourceModule(), id, text, sizeof text);
    return std::string(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::string ModulePath() {
    // A program can run from a folder deeper than MAX_PATH. When the path does
    // not fit, the system cuts it to the buffer and answers the buffer's full
    // size, so the buffer grows until the answer is shorter; no path is longer
    // than the system's limit of 32767 characters.
    for (DWORD size = 1024; size <= 65536; size *= 2) {
        std::string path(size, '\0');
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
        if (length < size) {
            path.resize(length);
            return path;
        }
    }
    return {};
}

std::string ApplicationTitle() {
    std::string title = ModulePath();
    title.erase(0, title.find_last_of("\\/") + 1);
    return title.substr(0, title.find_last_of('.'));
}
