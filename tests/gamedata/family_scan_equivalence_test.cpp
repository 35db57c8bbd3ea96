// ScanFamilies reads blocks and jumps to candidate bytes; the reference
// reads byte by byte exactly as the format's rules say. Both must give the
// same records for any bytes, wherever the block boundaries fall.
#include <gtest/gtest.h>

#include <random>
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

// Small blocks put a boundary inside every marker, lot, gap and name; 77,
// 81 and 82 sit right at the name gap's length and around it.
constexpr std::size_t kBlockSizes[] = {1,  2,  3,  4,  5,   7,    8,
                                       13, 77, 81, 82, 100, 4096, kScanBlockSize};

class ScanEquivalenceTest : public testing::Test {
protected:
    // Returns how many records the file held, so the callers can show that
    // their inputs really exercise the family path.
    std::size_t ExpectSameRecords(const std::string& bytes, std::size_t blockStride = 1) {
        gamegen::WriteFileBytes(path_, bytes);
        const auto expected = gamedata_reference::ReferenceScanFamilies(path_);
        EXPECT_TRUE(expected.has_value());
        // Consecutive files take turns with the block sizes.
        for (std::size_t i = next_++ % blockStride; i < std::size(kBlockSizes); i += blockStride) {
            const std::size_t blockSize = kBlockSizes[i];
            EXPECT_EQ(ScanFamilies(path_, blockSize), expected) << "block size " << blockSize;
        }
        return expected ? expected->size() : 0;
    }

    std::mt19937 random_{20240611};

private:
    test_support::TempFolder folder_;
    std::string path_ = folder_.File("neighborhood.iff");
    std::size_t next_ = 0;
};

// Pieces that come close to the markers without being them, real markers,
// lots of every sign, whole families, and runs that make the name gap and the 32-byte name
// limit fall on, before and after markers.
std::string AdversarialPiece(std::mt19937& random) {
    static const std::vector<std::string> kFragments = {"IMAF",
                                                        "FAMs",
                                                        "IMA",
                                                        "IIMAF",
                                                        "IMAIMAF",
                                                        "FAM",
                                                        "FFAMs",
                                                        "FAMFAMs",
                                                        "FAMS",
                                                        "imaf",
                                                        "I",
                                                        "F",
                                                        "IM",
                                                        "FA",
                                                        "MAF",
                                                        "AMs",
                                                        std::string(1, '\0'),
                                                        "Smith",
                                                        "s"};
    const std::int32_t lots[] = {1, 3, 255, 0, -1, 2147483647, static_cast<std::int32_t>(random())};
    const std::int32_t lot = lots[random() % std::size(lots)];
    switch (random() % 7) {
        case 0:
        case 1:
            return kFragments[random() % kFragments.size()];
        case 2:
            return LotBytes(lot);
        case 6:
            return Family(lot) + gamedata_test::Name(std::string(random() % 36, 'W'));
        case 3:
            return std::string(70 + random() % 16, static_cast<char>('a' + random() % 3));
        case 4: {
            std::string name(random() % 40, 'N');
            return name + std::string(random() % 2, '\0');
        }
        default: {
            static const char kAlphabet[] = {'I', 'M', 'A', 'F', 's', '\0', 'x', '\x80'};
            std::string run(random() % 12, ' ');
            for (char& c : run) {
                c = kAlphabet[random() % std::size(kAlphabet)];
            }
            return run;
        }
    }
}

TEST_F(ScanEquivalenceTest, AdversarialInputs) {
    std::size_t records = 0;
    for (int file = 0; file < 600; ++file) {
        std::string bytes;
        const int pieces = static_cast<int>(random_() % 60);
        for (int piece = 0; piece < pieces; ++piece) {
            bytes += AdversarialPiece(random_);
        }
        SCOPED_TRACE("file " + std::to_string(file));
        records += ExpectSameRecords(bytes, 3);
    }
    EXPECT_GT(records, 1000u);
}

TEST_F(ScanEquivalenceTest, RandomBytesFromTheMarkerAlphabet) {
    static const char kAlphabet[] = {'I', 'M', 'A', 'F', 's', '\0', '\x01', 'N'};
    std::size_t records = 0;
    for (int file = 0; file < 300; ++file) {
        std::string bytes(random_() % 3000, ' ');
        for (char& c : bytes) {
            c = kAlphabet[random_() % std::size(kAlphabet)];
        }
        SCOPED_TRACE("file " + std::to_string(file));
        records += ExpectSameRecords(bytes, 3);
    }
    EXPECT_GT(records, 10u);
}

TEST_F(ScanEquivalenceTest, MarkersAcrossEveryBlockBoundary) {
    // One family laid at every offset against the small block sizes.
    const std::string family = Family(12) + "x" + gamedata_test::Name("Boundary");
    for (std::size_t offset = 0; offset < 130; ++offset) {
        SCOPED_TRACE("offset " + std::to_string(offset));
        EXPECT_EQ(ExpectSameRecords(std::string(offset, 'z') + family + family), 2u);
    }
}

TEST_F(ScanEquivalenceTest, GeneratedFileCutAtEveryLength) {
    const std::vector<gamegen::FamilyPlan> families = {
        {"Hollowell", 5, 1}, {"Nobody", 0, 0}, {std::string(40, 'L'), 7, 2},
        {"", 3, 3},          {"Minus", -4, 0}, {"Okonkwo", 12, 4}};
    gamegen::NeighbourhoodLayout layout;
    layout.fillerBytesPerFamily = 120;
    const std::string whole = gamegen::NeighbourhoodFileBytes(families, layout);
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE("length " + std::to_string(length));
        ExpectSameRecords(whole.substr(0, length), 4);
    }
    EXPECT_EQ(ExpectSameRecords(whole), 4u);
}

}  // namespace
}  // namespace gamedata
