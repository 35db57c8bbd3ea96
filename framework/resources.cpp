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
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : 0);
}

std::string ApplicationTitle() {
    std::string title = ModulePath();
    title.erase(0, title.find_last_of("\\/") + 1);
    return title.substr(0, title.find_last_of('.'));
}
