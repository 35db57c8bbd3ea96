// The Saved Games folder comes back from the shell as wide text; the
// program uses it only when the ANSI code page spells it exactly.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "gamedata/ansi_text.h"

namespace gamedata {
namespace {

struct ConversionCase {
    const char* name;
    std::wstring wide;
    unsigned codePage;
    std::optional<std::string> ansi;
};

void PrintTo(const ConversionCase& conversion, std::ostream* out) {
    *out << conversion.name;
}

class WideToAnsiTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(WideToAnsiTest, ConvertsOnlyWhatTheCodePageSpellsExactly) {
    EXPECT_EQ(WideToAnsiExactly(GetParam().wide, GetParam().codePage), GetParam().ansi);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, WideToAnsiTest,
    testing::Values(
        ConversionCase{"Ascii", L"C:\\users\\sam\\Saved Games", 1252,
                       "C:\\users\\sam\\Saved Games"},
        ConversionCase{"QuestionMarkOfItsOwn", L"C:\\users\\?", 1252, "C:\\users\\?"},
        ConversionCase{"AccentIn1252", L"C:\\users\\Zo\u00eb", 1252, "C:\\users\\Zo\xeb"},
        // Best fit would spell it "Adam": another user's folder.
        ConversionCase{"BestFitOnlyIn1252", L"C:\\users\\\u0100dam", 1252, std::nullopt},
        ConversionCase{"NotIn1252", L"C:\\users\\\u4e2d", 1252, std::nullopt},
        ConversionCase{"DoubleByteIn936", L"C:\\users\\\u4e2d", 936, "C:\\users\\\xd6\xd0"},
        ConversionCase{"AnythingInUtf8", L"C:\\users\\\u4e2d", CP_UTF8, "C:\\users\\\xe4\xb8\xad"},
        ConversionCase{"UnpairedSurrogateInUtf8", std::wstring(L"C:\\users\\") + L'\xd800', CP_UTF8,
                       std::nullopt}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gamedata
