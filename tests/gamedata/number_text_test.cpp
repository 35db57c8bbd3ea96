#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "gamedata/number_text.h"

namespace gamedata {
namespace {

struct TextCase {
    const char* text;
    std::int32_t number;
};

void PrintTo(const TextCase& textCase, std::ostream* out) {
    *out << '"' << textCase.text << "\" -> " << textCase.number;
}

class TextToNumberTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextToNumberTest, ConvertsLikeAtoiWithinTheInt32Range) {
    EXPECT_EQ(TextToNumber(GetParam().text), GetParam().number) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(AtoiRule, TextToNumberTest,
                         testing::Values(TextCase{"2", 2}, TextCase{"12", 12}, TextCase{"01", 1},
                                         TextCase{"007", 7}, TextCase{"", 0}, TextCase{"x", 0},
                                         TextCase{"0x", 0}, TextCase{"-", 0}, TextCase{"+", 0},
                                         TextCase{" 42", 42}, TextCase{"\t\n\v\f\r 9", 9},
                                         TextCase{"12abc", 12}, TextCase{"3 4", 3},
                                         TextCase{"+17", 17}, TextCase{"-17", -17},
                                         TextCase{"--5", 0}, TextCase{"+-5", 0}, TextCase{"- 5", 0},
                                         TextCase{"255", 255}, TextCase{"256", 256},
                                         TextCase{"1e3", 1},
                                         TextCase{"\xA0"
                                                  "5",
                                                  0}));

INSTANTIATE_TEST_SUITE_P(
    ClampsInsteadOfWrapping, TextToNumberTest,
    testing::Values(TextCase{"2147483647", INT_MAX}, TextCase{"2147483648", INT_MAX},
                    TextCase{"4294967297", INT_MAX}, TextCase{"4294967296", INT_MAX},
                    TextCase{"99999999999999999999999999", INT_MAX},
                    TextCase{"-2147483648", INT_MIN}, TextCase{"-2147483649", INT_MIN},
                    TextCase{"-4294967297", INT_MIN},
                    TextCase{"00000000000000000000000000000042", 42}));

TEST(FormatDecimal, IsPlainDecimalWithSignAndNoPadding) {
    EXPECT_EQ(FormatDecimal(0), "0");
    EXPECT_EQ(FormatDecimal(7), "7");
    EXPECT_EQ(FormatDecimal(10), "10");
    EXPECT_EQ(FormatDecimal(-1), "-1");
    EXPECT_EQ(FormatDecimal(123456), "123456");
    EXPECT_EQ(FormatDecimal(INT_MAX), "2147483647");
    EXPECT_EQ(FormatDecimal(INT_MIN), "-2147483648");
}

TEST(PaddedLabels, PutAZeroInFrontBelowTen) {
    for (auto* format : {&FormatLotLabel, &FormatNeighbourhoodLabel}) {
        EXPECT_EQ(format(1), "01");
        EXPECT_EQ(format(5), "05");
        EXPECT_EQ(format(9), "09");
        EXPECT_EQ(format(10), "10");
        EXPECT_EQ(format(12), "12");
        EXPECT_EQ(format(100), "100");
    }
}

TEST(PaddedLabels, ReadBackToTheSameNumber) {
    for (std::int32_t number = 1; number <= 300; ++number) {
        EXPECT_EQ(TextToNumber(FormatNeighbourhoodLabel(number)), number);
        EXPECT_EQ(TextToNumber(FormatLotLabel(number)), number);
    }
}

}  // namespace
}  // namespace gamedata
