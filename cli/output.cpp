#include "cli/output.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>

#include "gamedata/number_text.h"

namespace cli {
namespace {

// Keys in the order the interface lists them, for a person reading along.
using json = nlohmann::ordered_json;

// A Linux path is bytes and need not be UTF-8: such bytes become U+FFFD
// rather than ending the program.
std::string Dumped(const json& object) {
    return object.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

// Characters, not bytes, so that names with accents line up.
std::size_t Utf8Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string PaddedRight(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, Utf8Width(text)), ' ');
}

std::string PaddedLeft(const std::string& text, std::size_t width) {
    return std::string(width - std::min(width, text.size()), ' ') + text;
}

}  // namespace

std::string ToJson(const WhereResult& result) {
    return Dumped({{"data_folder", result.dataFolder}, {"neighbourhood", result.neighbourhood}});
}

std::string ToJson(const NeighbourhoodsResult& result) {
    std::set<std::int32_t> numbers;
    for (const std::string& label : result.labels) {
        numbers.insert(gamedata::TextToNumber(label));
    }
    return Dumped({{"data_folder", result.dataFolder}, {"neighbourhoods", numbers}});
}

std::string ToJson(const ListResult& result) {
    // Built in place: a thousand families copied through initializer lists
    // would cost more than reading their house files.
    json families = json::array();
    families.get_ref<json::array_t&>().reserve(result.families.size());
    for (const FamilyRow& family : result.families) {
        json& row = families.emplace_back(json::object());
        row["name"] = family.name;
        row["lot"] = family.lot;
        row["days"] = family.days ? json(*family.days) : json(nullptr);
    }
    json list = json::object();
    list["data_folder"] = result.dataFolder;
    list["neighbourhood"] = result.neighbourhood;
    list["families"] = std::move(families);
    return Dumped(list);
}

std::string ToJson(const SetResult& result) {
    return Dumped({{"name", result.name},
                   {"lot", result.lot},
                   {"days", result.days},
                   {"previous", result.previous}});
}

std::string ToText(const WhereResult& result) {
    return "Data folder:   " + result.dataFolder +
           "\nNeighbourhood: " + gamedata::FormatDecimal(result.neighbourhood) + "\n";
}

std::string ToText(const NeighbourhoodsResult& result) {
    std::string text;
    for (const std::string& label : result.labels) {
        text += label + "\n";
    }
    return text;
}

std::string ToText(const ListResult& result) {
    const std::string nameHeading = "Family Name";
    std::size_t nameWidth = nameHeading.size();
    for (const FamilyRow& family : result.families) {
        nameWidth = std::max(nameWidth, Utf8Width(family.name));
    }
    // The dialog's column titles; a family without a house file shows "-".
    std::string text = PaddedRight(nameHeading, nameWidth) + "  Lot #  Days in House\n";
    for (const FamilyRow& family : result.families) {
        const std::string days = family.days ? gamedata::FormatDecimal(*family.days) : "-";
        text += PaddedRight(family.name, nameWidth) + "  " +
                PaddedLeft(gamedata::FormatDecimal(family.lot), 5) + "  " + PaddedLeft(days, 13) +
                "\n";
    }
    return text;
}

std::string ToText(const SetResult& result) {
    return result.name + " (lot " + gamedata::FormatDecimal(result.lot) +
           "): " + gamedata::FormatDecimal(result.previous) + " -> " +
           gamedata::FormatDecimal(result.days) + "\n";
}

}  // namespace cli
