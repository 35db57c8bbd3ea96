#include "gamedata/data_folder_choice.h"

#include "gamedata/number_text.h"

namespace gamedata {

std::optional<DataFolderChoice> ChooseDataFolder(const std::optional<std::string>& simsData,
                                                 const std::optional<std::string>& reRelease,
                                                 const NewestNeighbourhoodQuery& newest) {
    if (!simsData || !reRelease) {
        const std::optional<std::string>& only = simsData ? simsData : reRelease;
        if (!only) {
            return std::nullopt;
        }
        return DataFolderChoice{*only, std::nullopt};
    }
    const std::optional<std::int64_t> simsDataTime = newest(*simsData);
    const std::optional<std::int64_t> reReleaseTime = newest(*reRelease);
    if (!reReleaseTime) {
        return DataFolderChoice{*simsData, std::nullopt};
    }
    if (!simsDataTime) {
        return DataFolderChoice{*reRelease, std::nullopt};
    }
    if (*reReleaseTime > *simsDataTime) {
        return DataFolderChoice{*reRelease, LeftOutFolder{*simsData, LeftOutBecause::Older}};
    }
    const LeftOutBecause because =
        *reReleaseTime == *simsDataTime ? LeftOutBecause::TieToSimsData : LeftOutBecause::Older;
    return DataFolderChoice{*simsData, LeftOutFolder{*reRelease, because}};
}

std::optional<std::int64_t> NewestNeighbourhoodFile(const std::vector<std::string>& labels,
                                                    const NeighbourhoodFileTime& fileTime) {
    std::optional<std::int64_t> newest = fileTime(1);
    for (const std::string& label : labels) {
        const std::optional<std::int64_t> time = fileTime(TextToNumber(label));
        if (time && (!newest || *time > *newest)) {
            newest = time;
        }
    }
    return newest;
}

}  // namespace gamedata
