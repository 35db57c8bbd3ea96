// The rules of a hyperlink that need no window: the fallback command line,
// the failure texts, the style arithmetic, fitting a window to its text and
// the text's colour.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "about/link_colour.h"
#include "about/link_opening.h"
#include "about/link_style.h"

namespace hyperlink {
namespace {

bool SingleByteCodePage(char) {
    return false;
}

// A stand-in double-byte code page in which 0x81 opens a two-byte character.
bool LeadByte81(char byte) {
    return byte == '\x81';
}

struct CommandCase {
    const char* name;
    std::string registered;
    std::string target;
    std::optional<std::string> commandLine;
    LeadByteTest isLeadByte = &SingleByteCodePage;
};

void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << c.name;
}

class FallbackCommandLineTest : public testing::TestWithParam<CommandCase> {};

TEST_P(FallbackCommandLineTest, CutsAtThePlaceholderAndAppendsTheTargetWithinTheBuffer) {
    const CommandCase& c = GetParam();
    EXPECT_EQ(FallbackCommandLine(c.registered, c.target, c.isLeadByte), c.commandLine);
}

const std::string kUrl = "https://example.org/";
// A registered command and a target that, with the blank and the terminating
// zero, fill the buffer exactly.
const std::string kLongCommand(200, 'c');
const std::string kFittingTarget(kCommandLineBufferSize - kLongCommand.size() - 2, 't');

INSTANTIATE_TEST_SUITE_P(
    Commands, FallbackCommandLineTest,
    testing::Values(
        CommandCase{"QuotedPlaceholder", R"("C:\Web\browse.exe" "%1")", kUrl,
                    R"("C:\Web\browse.exe"  )" + kUrl},
        CommandCase{"BarePlaceholder", R"(C:\Web\browse.exe %1)", kUrl,
                    R"(C:\Web\browse.exe  )" + kUrl},
        CommandCase{"TextAfterThePlaceholderIsDropped", R"(browse.exe "%1" -new-window)", kUrl,
                    "browse.exe  " + kUrl},
        CommandCase{"QuotedPlaceholderWinsOverAnEarlierBareOne", R"(browse.exe %1 "%1")", kUrl,
                    "browse.exe %1  " + kUrl},
        CommandCase{"NoPlaceholder", "browse.exe -open", kUrl, "browse.exe -open " + kUrl},
        CommandCase{"EmptyRegisteredCommand", "", kUrl, " " + kUrl},
        CommandCase{"SecondByteOfACharacterIsNoQuote", "browse\x81\"%1\"", kUrl,
                    "browse\x81\" " + kUrl, &LeadByte81},
        CommandCase{"FillsTheBufferExactly", kLongCommand, kFittingTarget,
                    kLongCommand + ' ' + kFittingTarget},
        CommandCase{"OneByteTooLongStartsNothing", kLongCommand, kFittingTarget + 't',
                    std::nullopt},
        CommandCase{"DroppedTailDoesNotCount", kLongCommand + " \"%1\" " + std::string(300, 'x'),
                    kUrl, kLongCommand + "  " + kUrl}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

struct ErrorCase {
    const char* name;
    int code;
    const char* text;
};

void PrintTo(const ErrorCase& c, std::ostream* out) {
    *out << c.name;
}

class OpenErrorTextTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(OpenErrorTextTest, SaysWhatTheCodeMeans) {
    EXPECT_EQ(OpenErrorText(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, OpenErrorTextTest,
    testing::Values(
        ErrorCase{"OutOfResources", 0, "The operating system is out\nof memory or resources."},
        ErrorCase{"FileNotFound", 2, "The specified file was not found."},
        ErrorCase{"PathNotFound", 3, "The specified path was not found."},
        ErrorCase{"AccessDenied", 5, "The operating system denied\naccess to the specified file."},
        ErrorCase{"OutOfMemory", 8, "There was not enough memory to complete the operation."},
        ErrorCase{"BadFormat", 11,
                  "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        ErrorCase{"Share", 26, "A sharing violation occurred. "},
        ErrorCase{"AssociationIncomplete", 27,
                  "The filename association is\nincomplete or invalid."},
        ErrorCase{"DdeTimeout", 28,
                  "The DDE transaction could not\nbe completed because the request timed out."},
        ErrorCase{"DdeFailed", 29, "The DDE transaction failed."},
        ErrorCase{"DdeBusy", 30,
                  "The DDE transaction could not\nbe completed because other DDE "
                  "transactions\nwere being processed."},
        ErrorCase{"NoAssociation", 31,
                  "There is no application associated\nwith the given filename extension."},
        ErrorCase{"DllNotFound", 32, "The specified dynamic-link library was not found."},
        ErrorCase{"UnlistedLowCode", 1, "Unknown Error (1) occurred."},
        ErrorCase{"UnlistedCodeBetweenListedOnes", 12, "Unknown Error (12) occurred."},
        ErrorCase{"AboveTheErrorRange", 33, "Unknown Error (33) occurred."},
        ErrorCase{"Negative", -2, "Unknown Error (-2) occurred."},
        ErrorCase{"MostNegative", -2147483647 - 1, "Unknown Error (-2147483648) occurred."}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

struct StyleCase {
    const char* name;
    LinkStyle style;
    LinkStyle remove;
    LinkStyle add;
    std::optional<LinkStyle> changed;
};

void PrintTo(const StyleCase& c, std::ostream* out) {
    *out << c.name;
}

class ChangedLinkStyleTest : public testing::TestWithParam<StyleCase> {};

TEST_P(ChangedLinkStyleTest, RemovesThenAddsAndRefusesAFlagInBoth) {
    const StyleCase& c = GetParam();
    EXPECT_EQ(ChangedLinkStyle(c.style, c.remove, c.add), c.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedLinkStyleTest,
    testing::Values(StyleCase{"AboutBoxLinks", kDefaultLinkStyle, 0,
                              kLinkHoverColour | kLinkNoArmedColour, 0x57},
                    StyleCase{"RemoveUnderline", kDefaultLinkStyle, kLinkUnderline, 0, 0x14},
                    StyleCase{"RemoveAFlagThatIsNotSet", 0x14, kLinkHoverColour, 0, 0x14},
                    StyleCase{"RemoveOneAddAnother", 0x57, kLinkNoArmedColour, kLinkOpenOnPress,
                              0x1F},
                    StyleCase{"AddWhatIsSet", 0x15, 0, kLinkUnderline, 0x15},
                    StyleCase{"FlagInBoth", 0x15, kLinkHoverColour, kLinkHoverColour, std::nullopt},
                    StyleCase{"OneOfSeveralInBoth", 0x15, 0x03, 0x22, std::nullopt}),
    [](const testing::TestParamInfo<StyleCase>& info) { return info.param.name; });

struct FitCase {
    const char* name;
    Rect window;
    Extent borders;
    Extent text;
    std::uint32_t windowStyle;
    Placement placement;
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

class FitToTextTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitToTextTest, KeepsTheEdgeOrCentreTheAlignmentNames) {
    const FitCase& c = GetParam();
    const Placement p = FitToText(c.window, c.borders, c.text, c.windowStyle);
    EXPECT_EQ(p, c.placement) << p.x << ',' << p.y << ' ' << p.width << 'x' << p.height;
}

constexpr std::uint32_t kVisibleChild = 0x50000000;

INSTANTIATE_TEST_SUITE_P(
    Alignments, FitToTextTest,
    testing::Values(
        FitCase{"LeftKeepsTheTopLeftCorner",
                {126, 114, 214, 127},
                {0, 0},
                {62, 13},
                0,
                {126, 114, 62, 13}},
        FitCase{"LeftGrowsForWiderText",
                {10, 20, 40, 33},
                {0, 0},
                {75, 13},
                kVisibleChild,
                {10, 20, 75, 13}},
        FitCase{"BordersAreAddedBack", {10, 20, 110, 40}, {4, 6}, {50, 13}, 0, {10, 20, 54, 19}},
        FitCase{"CentredOddDifferenceKeepsAPixel",
                {0, 0, 101, 13},
                {0, 0},
                {50, 13},
                kStaticCentre,
                {25, 0, 51, 13}},
        FitCase{"CentredWiderTextGrowsBothSides",
                {100, 0, 150, 13},
                {0, 0},
                {81, 13},
                kStaticCentre,
                {85, 0, 80, 13}},
        FitCase{"RightKeepsTheRightEdge",
                {10, 20, 110, 33},
                {0, 0},
                {30, 13},
                kStaticRight,
                {80, 20, 30, 13}},
        FitCase{"CentreBitWinsOverRight",
                {0, 0, 100, 13},
                {0, 0},
                {40, 13},
                kStaticCentre | kStaticRight,
                {30, 0, 40, 13}},
        FitCase{"CentredImageCentresVertically",
                {0, 10, 60, 41},
                {0, 0},
                {60, 13},
                kStaticCentreImage,
                {0, 19, 60, 13}},
        FitCase{"CentredImageTallerTextGrowsUpAndDown",
                {0, 10, 60, 16},
                {0, 0},
                {60, 13},
                kStaticCentreImage,
                {0, 7, 60, 12}}),
    [](const testing::TestParamInfo<FitCase>& info) { return info.param.name; });

struct ColourCase {
    const char* name;
    bool highContrast;
    LinkState state;  // hovering, armed, visited
    Colour colour;
};

void PrintTo(const ColourCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr LinkColours kColours{0x000001, 0x000002, 0x000003, 0x000004};
constexpr Colour kHotTrack = 0x00FFFF;

class TextColourTest : public testing::TestWithParam<ColourCase> {};

TEST_P(TextColourTest, HoverThenArmedThenVisitedAndHighContrastTakesTheHotTrackColour) {
    const ColourCase& c = GetParam();
    const auto hotTrack = c.highContrast ? std::optional<Colour>(kHotTrack) : std::nullopt;
    EXPECT_EQ(TextColour(kColours, kDefaultLinkStyle | kLinkHoverColour, c.state, hotTrack),
              c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    States, TextColourTest,
    testing::Values(ColourCase{"Fresh", false, {false, false, false}, kColours.link},
                    ColourCase{"Armed", false, {false, true, false}, kColours.armed},
                    ColourCase{"Visited", false, {false, false, true}, kColours.visited},
                    ColourCase{"ArmedVisited", false, {false, true, true}, kColours.armed},
                    ColourCase{"FreshHover", false, {true, false, false}, kColours.hover},
                    ColourCase{"ArmedHover", false, {true, true, false}, kColours.hover},
                    ColourCase{"VisitedHover", false, {true, false, true}, kColours.hover},
                    ColourCase{"ArmedVisitedHover", false, {true, true, true}, kColours.hover},
                    ColourCase{"HighContrastFresh", true, {false, false, false}, kHotTrack},
                    ColourCase{"HighContrastArmed", true, {false, true, false}, kHotTrack},
                    ColourCase{"HighContrastVisited", true, {false, false, true}, kHotTrack},
                    ColourCase{"HighContrastArmedVisited", true, {false, true, true}, kHotTrack},
                    ColourCase{"HighContrastFreshHover", true, {true, false, false}, kHotTrack},
                    ColourCase{"HighContrastArmedHover", true, {true, true, false}, kHotTrack},
                    ColourCase{"HighContrastVisitedHover", true, {true, false, true}, kHotTrack},
                    ColourCase{
                        "HighContrastArmedVisitedHover", true, {true, true, true}, kHotTrack}),
    [](const testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

}  // namespace
}  // namespace hyperlink
