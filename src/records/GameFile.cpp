#include "records/GameFile.h"

#include "board/Layout.h"
#include "board/LayoutCatalog.h"
#include "records/GameRecord.h"

namespace tessaron {

namespace {

constexpr char KeyOpen = '{';
constexpr char KeyClose = '}';
constexpr std::int16_t TextNotAGameFile = 283;
constexpr std::int16_t TextDamagedLayoutKey = 988;
constexpr std::int16_t TextUnknownLayout = 989;
constexpr std::size_t RecordSize = GameFileSize - GameFileSignature.size();

// The record is UTF-8; the file holds one byte per position, its Latin-1 code.
std::string RecordBytes(const std::string& record)
{
    std::string bytes;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const auto c = static_cast<unsigned char>(record[i]);
        if (c >= 0xC0 && i + 1 < record.size()) {
            bytes += char(((c & 0x1F) << 6) | (static_cast<unsigned char>(record[++i]) & 0x3F));
        } else {
            bytes += char(c);
        }
    }
    return bytes;
}

} // namespace

std::string EncodeGameFile(const TileArray& faces, ErrorReport& errors)
{
    return EncodeGameFile(faces, ClassicLayoutKey, errors);
}

std::string EncodeGameFile(const TileArray& faces, std::string_view layoutKey, ErrorReport& errors)
{
    if (!IsLayoutKey(layoutKey)) return {};
    const std::string record = ConvertTilesToString(faces, errors);
    if (record.empty()) return {};
    std::string bytes(GameFileSignature);
    if (layoutKey != ClassicLayoutKey) bytes += KeyOpen + std::string(layoutKey) + KeyClose;
    return bytes + RecordBytes(record);
}

bool DecodeGameFile(std::string_view bytes, TileArray& faces)
{
    const GameFileReading reading = ReadGameFile(bytes);
    const auto* deal = std::get_if<GameFileDeal>(&reading);
    if (!deal || deal->LayoutKey != ClassicLayoutKey) return false;
    faces = deal->Faces;
    return true;
}

GameFileReading ReadGameFile(std::string_view bytes)
{
    if (!bytes.starts_with(GameFileSignature)) return GameFileFault::NotAGameFile;
    std::string_view rest = bytes.substr(GameFileSignature.size());
    GameFileDeal deal;
    deal.LayoutKey = ClassicLayoutKey;
    GameFileFault fault = GameFileFault::NotAGameFile;
    if (rest.starts_with(KeyOpen)) {
        // From here on the file says it is a game on some layout: any fault is a damaged one.
        fault = GameFileFault::DamagedLayoutKey;
        const std::size_t close = rest.find(KeyClose, 1);
        if (close == std::string_view::npos || close > LayoutKeyLimit + 1) return fault;
        const std::string_view key = rest.substr(1, close - 1);
        if (!IsLayoutKey(key) || key == ClassicLayoutKey) return fault;
        deal.LayoutKey = std::string(key);
        rest.remove_prefix(close + 1);
    }
    if (rest.size() < RecordSize) return fault;
    if (!ConvertTilesFromString(deal.Faces, std::string(rest.substr(0, RecordSize)))) return fault;
    deal.Length = bytes.size() - rest.size() + RecordSize;
    return deal;
}

std::int16_t GameFileRefusalText(const GameFileReading& reading, const LayoutCatalog& catalog)
{
    if (const auto* deal = std::get_if<GameFileDeal>(&reading))
        return catalog.Find(deal->LayoutKey) ? 0 : TextUnknownLayout;
    return std::get<GameFileFault>(reading) == GameFileFault::DamagedLayoutKey ? TextDamagedLayoutKey : TextNotAGameFile;
}

} // namespace tessaron
