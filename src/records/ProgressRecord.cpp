#include "records/ProgressRecord.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaron {

namespace {

constexpr const char* BoardSection = "Board";
constexpr const char* ProgressKey = "Progress";
constexpr const char* ProgressTimeKey = "ProgressTime";
constexpr int HeaderFields = 6;
constexpr double SecondsPerDay = 86400.0;

// Plain decimal numbers of one to three digits between commas, without leading zeros;
// anything else refuses.
std::optional<std::vector<std::int32_t>> ParseNumbers(std::string_view text)
{
    std::vector<std::int32_t> numbers;
    if (text.empty()) return numbers;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string_view field = text.substr(start, end - start);
        std::int32_t value = 0;
        // One spelling per number, so that an accepted text is exactly the one written.
        if (field.empty() || field.size() > 3 || (field.size() > 1 && field[0] == '0')) return std::nullopt;
        if (field.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
        std::from_chars(field.data(), field.data() + field.size(), value);
        numbers.push_back(value);
        if (end == text.size()) return numbers;
        start = end + 1;
    }
}

std::optional<double> ParseTime(const std::string& text)
{
    if (text.size() != 6) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const int hours = std::stoi(text.substr(0, 2));
    const int minutes = std::stoi(text.substr(2, 2));
    const int seconds = std::stoi(text.substr(4, 2));
    if (hours > 23 || minutes > 59 || seconds > 59) return std::nullopt;
    return (hours * 3600 + minutes * 60 + seconds) / SecondsPerDay;
}

std::string TwoDigits(long value) { return std::string(1, char('0' + value / 10)) + char('0' + value % 10); }

bool NothingToKeep(const GameProgress& p)
{
    return p.RemovedCount == 0 && p.RemovedCountMax == 0 && !p.PeekMode && !p.HintUsed && p.SelectedTile1 == 0;
}

} // namespace

std::string EncodeProgress(const GameProgress& p)
{
    std::string text = std::to_string(p.RemovedCount) + ',' + std::to_string(p.RemovedCountMax) + ',' +
                       (p.PeekMode ? '1' : '0') + ',' + (p.HintUsed ? '1' : '0') + ',' +
                       std::to_string(p.SelectedTile1) + ',' + std::to_string(p.SelectedTile2) + ';';
    const std::int32_t listed = std::max(p.RemovedCount, p.RemovedCountMax);
    for (std::int32_t k = 1; k <= listed; ++k) {
        if (k > 1) text += ',';
        text += std::to_string(p.RemovedTiles.at(std::size_t(k)));
    }
    return text;
}

std::string EncodeProgressTime(double gameTime)
{
    // Whole seconds gone; the margin keeps a time read back from "hhnnss" at its second.
    const long seconds = std::clamp(std::lround(std::floor(gameTime * SecondsPerDay + 1e-6)), 0L, 86399L);
    return TwoDigits(seconds / 3600) + TwoDigits(seconds / 60 % 60) + TwoDigits(seconds % 60);
}

std::optional<GameProgress> DecodeProgress(const std::string& progress, const std::string& time,
                                           const BoardGeometry& geometry, const TileArray& faces)
{
    const std::size_t split = progress.find(';');
    if (split == std::string::npos) return std::nullopt;
    const auto header = ParseNumbers(std::string_view(progress).substr(0, split));
    const auto tiles = ParseNumbers(std::string_view(progress).substr(split + 1));
    const auto gameTime = ParseTime(time);
    if (!header || !tiles || !gameTime || header->size() != HeaderFields) return std::nullopt;
    const std::vector<std::int32_t>& h = *header;
    if (h[2] > 1 || h[3] > 1 || tiles->size() > std::size_t(TileCount)) return std::nullopt;
    GameProgress p;
    p.RemovedCount = h[0];
    p.RemovedCountMax = h[1];
    p.PeekMode = h[2] == 1;
    p.HintUsed = h[3] == 1;
    p.SelectedTile1 = h[4];
    p.SelectedTile2 = h[5];
    p.GameTime = *gameTime;
    if (std::int32_t(tiles->size()) != std::max(p.RemovedCount, p.RemovedCountMax)) return std::nullopt;
    for (std::size_t k = 0; k < tiles->size(); ++k) p.RemovedTiles[k + 1] = (*tiles)[k];
    TilePresence present{};
    if (!ReplayGameProgress(geometry, faces, p, present)) return std::nullopt;
    return p;
}

void SaveGameProgress(Registry& settings, const std::optional<GameProgress>& progress)
{
    const bool keep = progress && !NothingToKeep(*progress);
    settings.SaveRegistryString(BoardSection, ProgressKey, keep ? EncodeProgress(*progress) : "", "");
    settings.SaveRegistryString(BoardSection, ProgressTimeKey, keep ? EncodeProgressTime(progress->GameTime) : "", "");
}

std::optional<GameProgress> LoadGameProgress(const Registry& settings, const BoardGeometry& geometry,
                                             const TileArray& faces)
{
    const std::string progress = settings.LoadRegistryString(BoardSection, ProgressKey, "");
    if (progress.empty()) return std::nullopt;
    return DecodeProgress(progress, settings.LoadRegistryString(BoardSection, ProgressTimeKey, ""), geometry, faces);
}

} // namespace tessaron
