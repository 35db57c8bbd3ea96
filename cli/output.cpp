#include "cli/output.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>
#include <vector>

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

std::string Hex(unsigned value) {
    static const char kDigits[] = "0123456789abcdef";
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

}  // namespace

std::string Shown(const std::string& utf8) {
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        const auto next = at + 1 < utf8.size() ? static_cast<unsigned char>(utf8[at + 1]) : 0u;
        if (byte == '\r') {
            shown += "\\r";
        } else if (byte == '\n') {
            shown += "\\n";
        } else if (byte == '\t') {
            shown += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x" + Hex(byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            shown += "\\u00" + Hex(next);
            ++at;
        } else {
            shown.push_back(static_cast<char>(byte));
        }
    }
    return shown;
}

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
    std::string text = "Data folder:   " + Shown(result.dataFolder) +
                       "\nNeighbourhood: " + gamedata::FormatDecimal(result.neighbourhood) + "\n";
    if (result.leftOut) {
        text += "Left out:      " + Shown(result.leftOut->folder) +
                (result.leftOut->because == gamedata::LeftOutBecause::Older
                     ? ": its newest neighbourhood file is older\n"
                     : ": its newest neighbourhood file is as new, and SIMS_DATA's folder wins "
                       "a tie\n");
    }
    return text;
}

std::string ToText(const NeighbourhoodsResult& result) {
    std::string text;
    for (const std::string& label : result.labels) {
        text += Shown(label) + "\n";
    }
    return text;
}

std::string ToText(const ListResult& result) {
    const std::string nameHeading = "Family Name";
    std::size_t nameWidth = nameHeading.size();
    std::vector<std::string> names;
    names.reserve(result.families.size());
    for (const FamilyRow& family : result.families) {
        names.push_back(Shown(family.name));
        nameWidth = std::max(nameWidth, Utf8Width(names.back()));
    }
    // The dialog's column titles; a family without a house file shows "-".
    std::string text = PaddedRight(nameHeading, nameWidth) + "  Lot #  Days in House\n";
    for (std::size_t i = 0; i < result.families.size(); ++i) {
        const FamilyRow& family = result.families[i];
        const std::string days = family.days ? gamedata::FormatDecimal(*family.days) : "-";
        text += PaddedRight(names[i], nameWidth) + "  " +
                PaddedLeft(gamedata::FormatDecimal(family.lot), 5) + "  " + PaddedLeft(days, 13) +
                "\n";
    }
    return text;
}

std::string ToText(const SetResult& result) {
    return Shown(result.name) + " (lot " + gamedata::FormatDecimal(result.lot) +
           "): " + gamedata::FormatDecimal(result.previous) + " -> " +
           gamedata::FormatDecimal(result.days) + "\n";
}

}  // namespace cli
