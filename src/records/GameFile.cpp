#include "records/GameFile.h"

#include "records/GameRecord.h"

namespace tessaron {

std::string EncodeGameFile(const TileArray& faces, ErrorReport& errors)
{
    const std::string record = ConvertTilesToString(faces, errors);
    if (record.empty()) return {};
    // The record is UTF-8; the file holds one byte per position, its Latin-1 code.
    std::string bytes(GameFileSignature);
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

bool DecodeGameFile(std::string_view bytes, TileArray& faces)
{
    if (bytes.size() < GameFileSize) return false;
    if (bytes.substr(0, GameFileSignature.size()) != GameFileSignature) return false;
    const std::string deal(bytes.substr(GameFileSignature.size(), GameFileSize - GameFileSignature.size()));
    return ConvertTilesFromString(faces, deal);
}

} // namespace tessaron
