#include <windows.h>

#include "cli/code_page.h"

namespace cli {

struct CodePage::Converter {
    unsigned number;
};

std::optional<CodePage> CodePage::OpenSystem(unsigned number) {
    if (!IsValidCodePage(number)) {
        return std::nullopt;
    }
    return CodePage(std::make_unique<Converter>(Converter{number}));
}

std::string CodePage::SystemToUtf8(const std::string& text) const {
    if (text.empty()) {
        return std::string();
    }
    // Without MB_ERR_INVALID_CHARS an undefined sequence becomes the
    // system's default character rather than failing the whole name.
    const int length = static_cast<int>(text.size());
    const int wideSize =
        MultiByteToWideChar(converter_->number, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(converter_->number, 0, text.data(), length, wide.data(), wideSize);
    const int utf8Size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), utf8Size, nullptr, nullptr);
    return utf8;
}

std::string SystemTextToUtf8(const std::string& text) {
    return CodePage::Open(GetACP())->ToUtf8(text);
}

CodePage::CodePage(std::unique_ptr<Converter> converter) : converter_(std::move(converter)) {}
CodePage::CodePage() = default;
CodePage::~CodePage() = default;
CodePage::CodePage(CodePage&& other) noexcept = default;
CodePage& CodePage::operator=(CodePage&& other) noexcept = default;

}  // namespace cli
