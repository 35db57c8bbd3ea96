#include "finder/wine_registry_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace finder {
namespace {

using namespace std::string_literals;

constexpr char kKey[] = "Software\\Wow6432Node\\Maxis\\The Sims";

// A 64-bit prefix's system.reg with the game's key between two others, the
// given lines as the key's values.
std::string RegistryWith(const std::string& valueLines) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
           "[Software\\\\Wow6432Node\\\\Maxis\\\\Other] 1700000000\n\"SIMS_DATA\"=\"other\"\n\n"
           "[Software\\\\Wow6432Node\\\\Maxis\\\\The Sims] 1700000000\n#time=1da0b7c3e2f4a10\n" +
           valueLines +
           "\n[Software\\\\Wow6432Node\\\\Maxis\\\\The Sims\\\\Sub] 1700000000\n"
           "\"SIMS_DATA\"=\"sub\"\n";
}

struct ValueRow {
    const char* what;
    std::string valueLines;
    std::string name;
    std::optional<std::string> expected;
};

const ValueRow kValueRows[] = {
    {"quoted text with its zero", R"("SIMS_DATA"="C:\\Games\\Sims")", "SIMS_DATA",
     "C:\\Games\\Sims\0"s},
    {"str(2) text", R"("SIMS_DATA"=str(2):"%ProgramFiles%\\Sims")", "SIMS_DATA",
     "%ProgramFiles%\\Sims\0"s},
    {"dword as 4 little-endian bytes", "\"N\"=dword:0001e240", "N", "\x40\xe2\x01\x00"s},
    {"short dword", "\"N\"=dword:2", "N", "\x02\x00\x00\x00"s},
    {"hex bytes over continuation lines", "\"N\"=hex:01,02,\\\n  ff,00,\\\n  7f", "N",
     "\x01\x02\xff\x00\x7f"s},
    {"hex(3) as raw bytes", "\"N\"=hex(3):32,00", "N", "2\0"s},
    {"hex(2) UTF-16LE as UTF-8 text", "\"N\"=hex(2):43,00,3a,00,e9,00,00,00", "N", "C:\xc3\xa9\0"s},
    {"hex(1) surrogate pair", "\"N\"=hex(1):3d,d8,00,de,00,00", "N", "\xf0\x9f\x98\x80\0"s},
    {"hex(2) odd last byte dropped", "\"N\"=hex(2):41,00,42", "N", "A"s},
    {"escapes \\\\ \\\" \\n \\r \\t \\0", R"("N"="a\\b\"c\nd\re\tf\0g")", "N",
     "a\\b\"c\nd\re\tf\0g\0"s},
    {"\\x with one to four digits", R"("N"="\x41\x4a\x3a9\xe9\x00e9")", "N",
     "AJ\xce\xa9\xc3\xa9\xc3\xa9\0"s},
    {"four digits at most", R"("N"="\x00411")", "N", "A1\0"s},
    {"surrogate pair from escapes", R"("N"="\xd83d\xde00")", "N", "\xf0\x9f\x98\x80\0"s},
    {"lone high surrogate", R"("N"="\xd83dA")", "N",
     "\xef\xbf\xbd"
     "A\0"s},
    {"lone low surrogate", R"("N"="\xde00")", "N", "\xef\xbf\xbd\0"s},
    {"high surrogate before a file byte", "\"N\"=\"\\xd83d\xc3\xa9\"", "N",
     "\xef\xbf\xbd\xc3\xa9\0"s},
    {"UTF-8 in the file kept", "\"N\"=\"Ren\xc3\xa9\"", "N", "Ren\xc3\xa9\0"s},
    {"value name in other case", R"("sims_data"="x")", "SIMS_Data", "x\0"s},
    {"default value", R"(@="d")", "", "d\0"s},
    {"escaped quote in a name", R"("A\"B"="v")", "A\"B", "v\0"s},
    {"last of two wins", "\"N\"=\"1\"\n\"N\"=\"2\"", "N", "2\0"s},
    {"CRLF line ends", "\"N\"=\"v\"\r\n\"M\"=dword:1\r", "N", "v\0"s},
    {"missing value", R"("OTHER"="x")", "SIMS_DATA", std::nullopt},
    {"unterminated text", R"("N"="abc)", "N", std::nullopt},
    {"\\x without a digit", R"("N"="\xg")", "N", std::nullopt},
    {"text after the quote", R"("N"="a" b)", "N", std::nullopt},
    {"dword of nine digits", "\"N\"=dword:000000001", "N", std::nullopt},
    {"dword of no digit", "\"N\"=dword:", "N", std::nullopt},
    {"bad hex byte", "\"N\"=hex:01,zz", "N", std::nullopt},
    {"hex byte of three digits", "\"N\"=hex:123", "N", std::nullopt},
    {"unknown type", "\"N\"=blob:01", "N", std::nullopt},
    {"no equals sign", "\"N\" \"v\"", "N", std::nullopt},
    {"malformed line leaves the earlier value", "\"N\"=\"1\"\n\"N\"=dword:xyz", "N", "1\0"s},
};

TEST(WineRegistryFileTest, ReadsEachFormOfValue) {
    for (const ValueRow& row : kValueRows) {
        EXPECT_EQ(ReadRegistryValue(RegistryWith(row.valueLines), kKey, row.name), row.expected)
            << row.what;
    }
}

struct KeyRow {
    const char* what;
    std::string keyPath;
    std::optional<std::string> expected;
};

TEST(WineRegistryFileTest, FindsTheKeyByItsWholePathInAnyCase) {
    const KeyRow rows[] = {
        {"exact", kKey, "mine\0"s},
        {"other case", "SOFTWARE\\wow6432node\\MAXIS\\the sims", "mine\0"s},
        {"sub key is its own", "Software\\Wow6432Node\\Maxis\\The Sims\\Sub", "sub\0"s},
        {"parent holds nothing", "Software\\Wow6432Node\\Maxis", std::nullopt},
        {"plain key absent in 64-bit file", "Software\\Maxis\\The Sims", std::nullopt},
    };
    const std::string file = RegistryWith("\"SIMS_DATA\"=\"mine\"");
    for (const KeyRow& row : rows) {
        EXPECT_EQ(ReadRegistryValue(file, row.keyPath, "SIMS_DATA"), row.expected) << row.what;
    }
    EXPECT_EQ(ReadRegistryValue("[Software\\\\Maxis\\\\The Sims\n\"N\"=\"v\"\n",
                                "Software\\Maxis\\The Sims", "N"),
              std::nullopt)
        << "a section line without its closing bracket opens no key";
}

TEST(WineRegistryFileTest, TellsA32BitPrefixByItsHeader) {
    const std::pair<std::string, bool> rows[] = {
        {"WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n", true},
        {"WINE REGISTRY Version 2\r\n#arch=win32\r\n", true},
        {"WINE REGISTRY Version 2\n#arch=win64\n", false},
        {"WINE REGISTRY Version 2\n#arch=arm64\n", false},
        {"WINE REGISTRY Version 2\n", false},
        {"[Software] 1\n#arch=win32\n", false},
    };
    for (const auto& [file, win32] : rows) {
        EXPECT_EQ(IsWin32Registry(file), win32) << file;
    }
}

}  // namespace
}  // namespace finder
