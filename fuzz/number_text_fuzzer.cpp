// The atoi rule on arbitrary text, held to the C library, and the decimal
// and label rules on arbitrary numbers: a number the program writes as text
// (a lot label in the table, a neighbourhood label in the chooser, a folder
// suffix) must read back as the same number.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/library_atoi.h"
#include "gamedata/number_text.h"

namespace {

using fuzz::Require;

bool AllDigits(const std::string& text) {
    return text.find_first_not_of("0123456789") == std::string::npos;
}

void CheckDecimal(std::int32_t number) {
    const std::string text = gamedata::FormatDecimal(number);
    const bool negative = number < 0;
    const std::string digits = negative ? text.substr(1) : text;
    Require(!negative || text[0] == '-', "negatives are written with a minus sign");
    Require(!digits.empty() && AllDigits(digits), "decimal text is digits after the sign");
    Require(digits == "0" || digits[0] != '0', "decimal text has no leading zeros");
    Require(gamedata::TextToNumber(text) == number, "decimal text reads back as its number");
}

// The program applies the padded rule only to numbers of 1 and above.
void CheckLabels(std::int32_t number) {
    if (number < 1) {
        return;
    }
    const std::string label = gamedata::FormatLotLabel(number);
    Require(label == gamedata::FormatNeighbourhoodLabel(number),
            "lot and neighbourhood labels follow one rule");
    Require(label.size() >= 2 && AllDigits(label), "a label is at least two digits");
    Require((number < 10) == (label[0] == '0'), "only labels below 10 begin with a zero");
    Require(gamedata::TextToNumber(label) == number, "a label reads back as its number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int32_t read = gamedata::TextToNumber(text);
    Require(read == fuzz::LibraryAtoi(text), "text converts as the C library's atoi does");
    CheckDecimal(read);
    CheckLabels(read);

    fuzz::FuzzInput input(data, size);
    const std::int32_t number = input.TakeInt32();
    CheckDecimal(number);
    CheckLabels(number);
    return 0;
}
