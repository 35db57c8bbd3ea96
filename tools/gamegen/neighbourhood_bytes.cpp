#include <algorithm>

#include "tools/gamegen/chunked_file_builder.h"
#include "tools/gamegen/gamegen.h"

namespace gamegen {
namespace {

constexpr std::size_t kFileHeaderSize = 64;
constexpr std::size_t kMaxScannedNameSize = 32;
constexpr std::size_t kMarkerSize = 4;
constexpr std::size_t kNameGap = 77;
// The name chunk's header after its marker, then one format byte, then the
// name: exactly the gap a scan skips after the name marker.
static_assert(ChunkHeader::kSize - kMarkerSize + 1 == kNameGap);
// Chunk types of the made-up neighbourhood data between the families.
constexpr std::string_view kFillerTypes[] = {"TERR", "ROAD", "MAIL", "HIST"};

void AppendFileHeader(ChunkedFileBuilder& file, std::size_t familyCount) {
    file.AppendLoose("LWNB");
    file.AppendUint32(1);
    file.AppendUint32(static_cast<std::uint32_t>(familyCount));
    file.AppendPaddedText("Lotwarden synthetic neighbourhood", kFileHeaderSize - 12);
}

void AppendFillerChunk(ChunkedFileBuilder& file, std::uint16_t id, std::size_t size) {
    const std::string_view type = kFillerTypes[id % std::size(kFillerTypes)];
    const std::size_t start = BeginChunk(file, {type, false, file.RandomNumber(), id, "lot data"});
    file.AppendRandom(size);
    EndChunk(file, start);
}

// The lot right behind the family marker; member data and filler after it.
void AppendFamilyChunk(ChunkedFileBuilder& file, const FamilyPlan& family, std::uint16_t id,
                       std::size_t fillerSize) {
    const auto lot = static_cast<std::uint32_t>(family.lot);
    const std::size_t start = BeginChunk(file, {"IMAF", true, lot, id, "family"});
    const std::uint16_t members = 1 + file.RandomNumber() % 6;
    file.AppendUint32(file.RandomNumber() % 100000);
    file.AppendUint16(members);
    for (std::uint16_t member = 0; member < members; ++member) {
        file.AppendUint16(static_cast<std::uint16_t>(file.RandomNumber()));
    }
    file.AppendRandom(std::max<std::size_t>(fillerSize, 1));
    EndChunk(file, start);
}

// The name table: the family name, then a second string.
void AppendNameChunk(ChunkedFileBuilder& file, const FamilyPlan& family, std::uint16_t id) {
    const std::size_t start = BeginChunk(file, {"FAMs", true, 1, id, "family names"});
    file.AppendLoose(std::string(1, '\xFD'));  // the table's string format code
    // A scan reads at most 32 name bytes; what lies beyond is scanned as
    // ordinary file bytes.
    const std::size_t scanned = std::min(family.name.size(), kMaxScannedNameSize);
    file.AppendFixed(std::string_view(family.name).substr(0, scanned));
    file.AppendLoose(std::string_view(family.name).substr(scanned));
    if (scanned < kMaxScannedNameSize) {
        file.AppendFixed(std::string(1, '\0'));
    } else {
        file.AppendLoose(std::string(1, '\0'));
    }
    file.AppendLoose("household");
    file.AppendLoose(std::string(1, '\0'));
    EndChunk(file, start);
}

}  // namespace

std::string NeighbourhoodFileBytes(const std::vector<FamilyPlan>& families,
                                   const NeighbourhoodLayout& layout) {
    ChunkedFileBuilder file(layout.seed);
    AppendFileHeader(file, families.size());
    const std::size_t familyFiller = layout.fillerBytesPerFamily / 4;
    const std::size_t otherFiller = layout.fillerBytesPerFamily - familyFiller;
    for (std::size_t index = 0; index < families.size(); ++index) {
        const auto id = static_cast<std::uint16_t>(index);
        if (otherFiller > 0) {
            AppendFillerChunk(file, id, otherFiller);
        }
        AppendFamilyChunk(file, families[index], id, familyFiller);
        AppendNameChunk(file, families[index], id);
    }
    AppendFillerChunk(file, static_cast<std::uint16_t>(families.size()), otherFiller);
    return file.Finish();
}

}  // namespace gamegen
