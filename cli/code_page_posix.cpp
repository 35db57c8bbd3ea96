#include <iconv.h>

#include <string>

#include "cli/code_page.h"
#include "common/unique_handle.h"

namespace cli {
namespace {

iconv_t NoConverter() {
    return reinterpret_cast<iconv_t>(-1);
}

using IconvHandle = UniqueHandle<iconv_t, &iconv_close, &NoConverter>;

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

}  // namespace

struct CodePage::Converter {
    IconvHandle handle;
};

std::optional<CodePage> CodePage::OpenSystem(unsigned number) {
    IconvHandle handle(iconv_open("UTF-8", ("CP" + std::to_string(number)).c_str()));
    if (!handle) {
        return std::nullopt;
    }
    return CodePage(std::make_unique<Converter>(Converter{std::move(handle)}));
}

std::string CodePage::SystemToUtf8(const std::string& text) const {
    const iconv_t cd = converter_->handle.Get();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string utf8;
    // Four UTF-8 bytes per input byte at most, a replacement three and a
    // held-back character three: the buffer never runs short.
    std::string buffer(text.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    for (;;) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const bool failed =
            inLeft > 0 && iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1);
        // CP1255 and CP1258 hold a character back until they see whether a
        // combining mark follows: at the name's end, and before a
        // replacement, it is written out rather than lost.
        if (failed || inLeft == 0) {
            iconv(cd, nullptr, nullptr, &out, &outLeft);
        }
        utf8.append(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
        if (!failed) {
            return utf8;
        }
        // EILSEQ or a sequence cut short at the end (EINVAL): one byte
        // becomes the replacement character and the rest goes on.
        utf8 += kReplacement;
        ++in;
        --inLeft;
    }
}

std::string SystemTextToUtf8(const std::string& text) {
    return text;
}

CodePage::CodePage(std::unique_ptr<Converter> converter) : converter_(std::move(converter)) {}
CodePage::CodePage() = default;
CodePage::~CodePage() = default;
CodePage::CodePage(CodePage&& other) noexcept = default;
CodePage& CodePage::operator=(CodePage&& other) noexcept = default;

}  // namespace cli
