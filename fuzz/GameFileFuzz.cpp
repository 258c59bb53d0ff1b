// The game file decoder over any bytes: only the first 156 count; a rejected file leaves
// the faces exactly as they were; an accepted one encodes back to the same 156 bytes.
#include "FuzzSupport.h"
#include "doubles/RecordingMessageBox.h"
#include "records/GameFile.h"

using namespace tessaron;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = fuzz::InputText(data, size);

    TileArray faces{};
    for (std::int32_t k = 0; k <= TileCount; ++k) faces[k] = -1 - k;
    const TileArray before = faces;

    const bool accepted = DecodeGameFile(bytes, faces);
    // Whatever follows the 156 bytes must not change the answer.
    TileArray facesOfFront = before;
    const bool frontAccepted = DecodeGameFile(std::string_view(bytes).substr(0, GameFileSize), facesOfFront);
    FUZZ_CHECK(accepted == frontAccepted);
    FUZZ_CHECK(faces == facesOfFront);

    if (!accepted) {
        FUZZ_CHECK(faces == before);
        return 0;
    }
    FUZZ_CHECK(bytes.size() >= GameFileSize);
    RecordingErrorReport report;
    FUZZ_CHECK(EncodeGameFile(faces, report.Errors) == bytes.substr(0, GameFileSize));
    FUZZ_CHECK(report.Box.Boxes.empty());
    return 0;
}
