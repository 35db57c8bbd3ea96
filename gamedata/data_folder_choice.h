#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gamedata {

// A folder that may hold the player's saves, with the time its newest
// neighbourhood file was last written; nothing there when it holds no
// neighbourhood. Times compare only with times from the same platform.
struct DataFolderCandidate {
    std::string folder;
    std::optional<std::int64_t> newestNeighbourhood;
};

enum class LeftOutBecause {
    Older,         // its newest neighbourhood file was written before the other's
    TieToSimsData  // written at the same time: SIMS_DATA's folder wins a tie
};

struct LeftOutFolder {
    std::string folder;
    LeftOutBecause because;
};

struct DataFolderChoice {
    std::string folder;
    // Set only when both candidates held neighbourhoods.
    std::optional<LeftOutFolder> leftOut;
};

// The data folder is the one holding the saves the player played last.
// simsData is the folder SIMS_DATA names, when the value is readable;
// reRelease the re-release's save folder, when it exists. A candidate counts
// only when it holds a neighbourhood. One counts: it is taken. Both: the one
// whose newest neighbourhood file was written last, SIMS_DATA's on a tie.
// Neither: SIMS_DATA's folder, else the re-release's, as before saves
// counted. Nothing when there is neither candidate.
// The times are asked for only when both candidates are there, so a
// machine without the re-release's folder reads no more than it used to.
using NewestNeighbourhoodQuery =
    std::function<std::optional<std::int64_t>(const std::string& folder)>;
std::optional<DataFolderChoice> ChooseDataFolder(const std::optional<std::string>& simsData,
                                                 const std::optional<std::string>& reRelease,
                                                 const NewestNeighbourhoodQuery& newest);

// The newest write time among the neighbourhood files of the neighbourhoods
// a data folder holds: those its chooser labels name, and UserData's,
// which a folder may hold without the chooser listing it. fileTime gives a
// neighbourhood's file's last write time, nothing when there is no file.
using NeighbourhoodFileTime =
    std::function<std::optional<std::int64_t>(std::int32_t neighbourhood)>;
std::optional<std::int64_t> NewestNeighbourhoodFile(const std::vector<std::string>& labels,
                                                    const NeighbourhoodFileTime& fileTime);

}  // namespace gamedata
