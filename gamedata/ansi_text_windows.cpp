#include <windows.h>

#include "gamedata/ansi_text.h"

namespace gamedata {

std::optional<std::string> WideToAnsiExactly(const std::wstring& wide, unsigned codePage) {
    if (wide.empty()) {
        return std::string();
    }
    // Where the ANSI code page is UTF-8 (a Windows option) every character
    // has a spelling, and the best-fit and used-default flags are refused
    // outright; there only an unpaired surrogate cannot be converted.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultFlag = utf8 ? nullptr : &usedDefault;
    const int length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr,
                                         usedDefaultFlag);
    if (size <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string ansi(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(codePage, flags, wide.data(), length, ansi.data(), size, nullptr,
                            usedDefaultFlag) != size ||
        usedDefault) {
        return std::nullopt;
    }
    return ansi;
}

}  // namespace gamedata
