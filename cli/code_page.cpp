#include "cli/code_page.h"

#include "cli/windows_1252.h"

namespace cli {

std::optional<CodePage> CodePage::Open(unsigned number) {
    if (number == kGameCodePage) {
        return CodePage();
    }
    return OpenSystem(number);
}

std::string CodePage::ToUtf8(const std::string& text) const {
    return converter_ ? SystemToUtf8(text) : Windows1252ToUtf8(text);
}

}  // namespace cli
