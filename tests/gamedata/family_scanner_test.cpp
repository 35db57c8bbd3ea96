#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamedata/family_scanner.h"
#include "gamedata/family_scanner_blocks.h"
#include "tests/gamedata/reference_scanner.h"
#include "tests/gamedata/scan_test_support.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace gamedata {
namespace {

using gamedata_test::Family;
using gamedata_test::LotBytes;
using gamedata_test::Name;
using gamedata_test::NameMarkerAndGap;
using namespace std::string_literals;
using Records = std::vector<FamilyRecord>;

struct ScanCase {
    const char* title;
    std::string bytes;
    Records expected;
};

void PrintTo(const ScanCase& scanCase, std::ostream* out) {
    *out << scanCase.title;
}

class ScanRulesTest : public testing::TestWithParam<ScanCase> {
protected:
    test_support::TempFolder folder_;
};

// Each case also goes through the reference scan, which pins the reference
// to the same rules the equivalence tests then hold ScanFamilies to.
TEST_P(ScanRulesTest, FindsExactlyTheseFamilies) {
    const std::string path = folder_.File("neighborhood.iff");
    gamegen::WriteFileBytes(path, GetParam().bytes);
    EXPECT_EQ(ScanFamilies(path), GetParam().expected);
    EXPECT_EQ(ScanFamilies(path, 3), GetParam().expected);
    EXPECT_EQ(gamedata_reference::ReferenceScanFamilies(path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Markers, ScanRulesTest,
    testing::Values(
        ScanCase{"one family", Family(3) + "some bytes" + Name("Smith"), {{3, "Smith"}}},
        ScanCase{"lot is little-endian", "IMAF\x01\x02\0\0"s + Name("Low"), {{513, "Low"}}},
        ScanCase{"largest lot", "IMAF\xFF\xFF\xFF\x7F"s + Name("Max"), {{2147483647, "Max"}}},
        ScanCase{"lot 0 and -1 are dropped, the scan goes on",
                 Family(0) + Name("Zero") + Family(-1) + Name("Minus") + Family(4) + Name("Four"),
                 {{4, "Four"}}},
        ScanCase{"negative lot by its top byte", "IMAF\0\0\0\x80"s + Name("Neg"), {}},
        ScanCase{"second family marker before the name is swallowed",
                 Family(1) + Family(2) + Name("Pair") + Family(5) + Name("Five"),
                 {{1, "Pair"}, {5, "Five"}}},
        ScanCase{"name marker before any family is never used",
                 Name("Early") + Family(2) + Name("Late"),
                 {{2, "Late"}}},
        ScanCase{"a name marker between families is skipped",
                 Family(2) + Name("Kept") + Name("Orphan") + Family(3) + Name("Next"),
                 {{2, "Kept"}, {3, "Next"}}},
        ScanCase{"IIMAF holds no family marker", "IIMAF" + LotBytes(5) + Name("Hidden"), {}},
        ScanCase{"IMAIMAF holds no family marker", "IMAIMAF" + LotBytes(5) + Name("Hidden"), {}},
        ScanCase{"IMA then a real marker after a breaking byte",
                 "IMAx" + Family(6) + Name("Found"),
                 {{6, "Found"}}},
        ScanCase{"FFAMs holds no name marker",
                 Family(7) + "FFAMs" + std::string(77, 'g') + "Lost\0"s + Name("Found"),
                 {{7, "Found"}}},
        ScanCase{"FAMFAMs holds no name marker",
                 Family(7) + "FAMFAMs" + std::string(77, 'g') + "Lost\0"s + Name("Found"),
                 {{7, "Found"}}},
        ScanCase{"markers are case-sensitive",
                 "imaf" + LotBytes(1) + Name("Lower") + Family(2) + "FAMS" + std::string(77, 'g') +
                     "Upper\0"s + Name("Real"),
                 {{2, "Real"}}},
        ScanCase{"markers inside the name gap are skipped",
                 Family(8) + "FAMs" + "IMAF" + LotBytes(9) + std::string(69, 'g') + "Gap\0"s,
                 {{8, "Gap"}}}));

INSTANTIATE_TEST_SUITE_P(
    Names, ScanRulesTest,
    testing::Values(
        ScanCase{
            "a zero byte ends the name", Family(3) + Name("Smith") + "Jones\0"s, {{3, "Smith"}}},
        ScanCase{"empty name", Family(6) + Name(""), {{6, ""}}},
        ScanCase{"names are bytes",
                 Family(4) + Name("Ekstr\xF6m \x01\xFF"),
                 {{4, "Ekstr\xF6m \x01\xFF"}}},
        ScanCase{"32 bytes without zero are the whole name",
                 Family(1) + NameMarkerAndGap() + std::string(32, 'N') + "\0"s,
                 {{1, std::string(32, 'N')}}},
        ScanCase{"a longer name is cut and the scan goes on right after 32 bytes",
                 Family(1) + NameMarkerAndGap() + std::string(32, 'N') + Family(9) + Name("Next"),
                 {{1, std::string(32, 'N')}, {9, "Next"}}}));

INSTANTIATE_TEST_SUITE_P(
    FileEnds, ScanRulesTest,
    testing::Values(
        ScanCase{"empty file", "", {}},
        ScanCase{"no family marker", "FAMs and other bytes" + Name("Nobody"), {}},
        ScanCase{"lot cut short", "IMAF\x03\0"s, {}}, ScanCase{"lot ends the file", Family(3), {}},
        ScanCase{"no name marker after the family", Family(3) + "FAM", {}},
        ScanCase{"families before the cut stay",
                 Family(2) + Name("Whole") + Family(3) + "FA",
                 {{2, "Whole"}}},
        ScanCase{"name cut by the end", Family(3) + NameMarkerAndGap() + "Smi", {{3, "Smi"}}},
        ScanCase{"name wholly past the end", Family(3) + "FAMs" + std::string(10, 'g'), {{3, ""}}},
        ScanCase{"name marker ends the file", Family(3) + "FAMs", {{3, ""}}},
        ScanCase{"cut name of a dropped lot", Family(0) + NameMarkerAndGap() + "Smi", {}}));

TEST(ScanFamilies, HasNoLimitOnFamilies) {
    std::string bytes;
    Records expected;
    for (std::int32_t lot = 1; lot <= 5000; ++lot) {
        const std::string name = "Family" + std::to_string(lot);
        bytes += Family(lot) + Name(name);
        expected.push_back({lot, name});
    }
    test_support::TempFolder folder;
    const std::string path = folder.File("neighborhood.iff");
    gamegen::WriteFileBytes(path, bytes);
    EXPECT_EQ(ScanFamilies(path), expected);
}

TEST(ScanFamilies, MissingFileIsNotFound) {
    test_support::TempFolder folder;
    EXPECT_EQ(ScanFamilies(folder.File("neighborhood.iff")), std::nullopt);
}

TEST(ScanFamilies, FolderIsNotFound) {
    test_support::TempFolder folder;
    EXPECT_EQ(ScanFamilies(folder.path().string()), std::nullopt);
}

}  // namespace
}  // namespace gamedata
