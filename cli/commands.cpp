#include "cli/commands.h"

#include <algorithm>
#include <vector>

#include "cli/code_page.h"
#include "cli/exit_code.h"
#include "cli/house_write.h"
#include "cli/neighbourhood.h"
#include "cli/output.h"
#include "cli/plain_number.h"
#include "gamedata/game_process.h"
#include "gamedata/house_days.h"
#include "gamedata/number_text.h"

namespace cli {
namespace {

constexpr std::int32_t kLargestNumber = 2147483647;
constexpr std::int32_t kLargestCodePage = 65535;

// What the arguments say, once every one of them has been checked.
struct Request {
    std::optional<std::int32_t> neighbourhood;
    CodePage codePage;
    std::optional<std::int32_t> lot;
    std::optional<std::string> family;
    std::int32_t days = 0;
};

std::int32_t CheckedNumber(const std::string& text, const char* what, std::int32_t lowest,
                           std::int32_t highest) {
    const std::optional<std::int32_t> number = ParsePlainNumber(text, lowest, highest);
    if (!number) {
        throw Refusal(ExitCode::Usage, std::string(what) + " \"" + text + "\" is refused: give " +
                                           gamedata::FormatDecimal(lowest) + " to " +
                                           gamedata::FormatDecimal(highest) + " in plain digits");
    }
    return *number;
}

std::optional<std::int32_t> CheckedNumber(const std::optional<std::string>& text, const char* what,
                                          std::int32_t lowest, std::int32_t highest) {
    if (!text) {
        return std::nullopt;
    }
    return CheckedNumber(*text, what, lowest, highest);
}

Request CheckArguments(const Options& options) {
    const std::int32_t codePageNumber =
        options.codePage ? CheckedNumber(*options.codePage, "code page", 1, kLargestCodePage)
                         : static_cast<std::int32_t>(kGameCodePage);
    std::optional<CodePage> codePage = CodePage::Open(static_cast<unsigned>(codePageNumber));
    if (!codePage) {
        throw Refusal(ExitCode::Usage, "code page " + gamedata::FormatDecimal(codePageNumber) +
                                           " cannot be converted here; give another with "
                                           "--codepage");
    }
    Request request{CheckedNumber(options.neighbourhood, "neighbourhood", 0, kLargestNumber),
                    std::move(*codePage), std::nullopt, std::nullopt, 0};
    if (options.command == Command::Set) {
        if (!options.lot && !options.family) {
            throw Refusal(ExitCode::Usage, "set needs the family: give --lot or --family");
        }
        request.lot = CheckedNumber(options.lot, "lot", 1, kLargestNumber);
        if (options.family) {
            request.family = SystemTextToUtf8(*options.family);
        }
        request.days =
            CheckedNumber(options.days, "DAYS", gamedata::kFewestDays, gamedata::kMostDays);
    }
    return request;
}

std::string Described(const Family& family) {
    return family.name + " (lot " + gamedata::FormatDecimal(family.lot) + ")";
}

// The one family the request names. Two rows with the same name on the same
// lot are one target: either row of the dialog writes the same house file.
const Family& ChosenFamily(const std::vector<Family>& families, const Request& request,
                           std::int32_t neighbourhood) {
    std::vector<const Family*> fitting;
    for (const Family& family : families) {
        const bool fits = (!request.lot || family.lot == *request.lot) &&
                          (!request.family || family.name == *request.family);
        const bool seen = std::any_of(fitting.begin(), fitting.end(), [&family](const Family* f) {
            return f->name == family.name && f->lot == family.lot;
        });
        if (fits && !seen) {
            fitting.push_back(&family);
        }
    }
    const std::string onLot = request.lot ? "on lot " + gamedata::FormatDecimal(*request.lot) : "";
    const std::string wanted =
        request.family ? "\"" + *request.family + "\"" + (onLot.empty() ? "" : " " + onLot) : onLot;
    if (fitting.empty()) {
        throw Refusal(ExitCode::NotFound, "no family " + wanted + " in neighbourhood " +
                                              gamedata::FormatDecimal(neighbourhood) +
                                              "; see the list command");
    }
    if (fitting.size() > 1) {
        std::string candidates;
        for (const Family* family : fitting) {
            candidates += (candidates.empty() ? "" : ", ") + Described(*family);
        }
        throw Refusal(ExitCode::Ambiguous,
                      gamedata::FormatDecimal(static_cast<std::int32_t>(fitting.size())) +
                          " families " + wanted + ": " + candidates + "; pick one with " +
                          (request.lot ? "--family" : "--lot"));
    }
    return *fitting.front();
}

template <class Result>
std::string Formatted(bool json, const Result& result) {
    return json ? ToJson(result) : ToText(result);
}

}  // namespace

std::string Run(const Options& options) {
    const Request request = CheckArguments(options);
    const GameLocation game = LocateGame(options.source);
    if (!FolderExists(game.dataFolder)) {
        throw Refusal(ExitCode::NotFound, "the data folder " + game.dataFolderText +
                                              " is not there; give the game's with --data");
    }
    const std::int32_t neighbourhood = request.neighbourhood.value_or(game.currentNeighbourhood);
    switch (options.command) {
        case Command::Where:
            return Formatted(options.json,
                             WhereResult{game.dataFolderText, neighbourhood, game.leftOut});
        case Command::Neighbourhoods:
            return Formatted(
                options.json,
                NeighbourhoodsResult{game.dataFolderText, NeighbourhoodLabels(game.dataFolder)});
        case Command::List: {
            ListResult result{game.dataFolderText, neighbourhood, {}};
            for (const Family& family :
                 LoadFamilies(game.dataFolder, neighbourhood, request.codePage)) {
                result.families.push_back(
                    {family.name, family.lot,
                     family.houseFile ? ReadHouseDays(*family.houseFile) : std::nullopt});
            }
            return Formatted(options.json, result);
        }
        case Command::Set: {
            const std::vector<Family> families =
                LoadFamilies(game.dataFolder, neighbourhood, request.codePage);
            const Family& family = ChosenFamily(families, request, neighbourhood);
            if (!family.houseFile) {
                throw Refusal(ExitCode::NotFound, "the house file of " + Described(family) +
                                                      " is missing; nothing was written");
            }
            // The game may save its own copy of an open lot over the change.
            if (!options.force && gamedata::GameIsRunning()) {
                throw Refusal(ExitCode::GameRunning,
                              "the game is running: close it first, or give --force");
            }
            HouseFileWrite house(*family.houseFile);
            const std::int16_t previous = house.Write(request.days);
            return Formatted(options.json,
                             SetResult{family.name, family.lot, request.days, previous});
        }
    }
    return std::string();
}

}  // namespace cli
