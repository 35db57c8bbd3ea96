#pragma once

#include <string>

namespace cli {

// Windows-1252 text as UTF-8, byte for byte as MultiByteToWideChar converts
// it: the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the C1 characters of the same number, as there, so both
// builds print the same name.
std::string Windows1252ToUtf8(const std::string& text);

}  // namespace cli
