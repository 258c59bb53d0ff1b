// The game file decoders over any bytes. The classic reader takes only the first 156 bytes,
// refuses a game of any other layout and leaves the faces as they were when it refuses. The
// reader of both forms ignores what follows the deal, and an accepted game encodes back to
// exactly the bytes it was read from: each deal has one spelling per layout.
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
    if (!accepted) FUZZ_CHECK(faces == before);

    const GameFileReading reading = ReadGameFile(bytes);
    const auto* deal = std::get_if<GameFileDeal>(&reading);
    FUZZ_CHECK(accepted == (deal && deal->LayoutKey == "classic"));
    if (!deal) return 0;
    if (accepted) FUZZ_CHECK(deal->Faces == faces);
    FUZZ_CHECK(deal->Length <= bytes.size() && deal->Length <= GameFileLimit);
    // Nothing after the deal counts.
    const GameFileReading front = ReadGameFile(std::string_view(bytes).substr(0, deal->Length));
    FUZZ_CHECK(std::holds_alternative<GameFileDeal>(front));
    FUZZ_CHECK(std::get<GameFileDeal>(front).Faces == deal->Faces);
    RecordingErrorReport report;
    FUZZ_CHECK(EncodeGameFile(deal->Faces, deal->LayoutKey, report.Errors) == bytes.substr(0, deal->Length));
    FUZZ_CHECK(report.Box.Boxes.empty());
    return 0;
}
