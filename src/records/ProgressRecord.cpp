#include "records/ProgressRecord.h"

#include "records/GameRecord.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaron {

namespace {

constexpr const char* ProgressKey = "Progress";
constexpr const char* ProgressTimeKey = "ProgressTime";
constexpr const char* ProgressShufflesKey = "ProgressShuffles";
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

// One number in the spelling ParseNumbers accepts.
std::optional<std::int32_t> ParseNumber(std::string_view text)
{
    const auto numbers = ParseNumbers(text);
    if (!numbers || numbers->size() != 1) return std::nullopt;
    return numbers->front();
}

// "RemovedCount,<presence><faces>" of one shuffle; the rules it must follow are the replay's.
std::optional<ShuffleStep> ParseShuffleStep(std::string_view text)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.size() - comma - 1 != std::size_t(2 * TileCount)) return std::nullopt;
    const auto count = ParseNumber(text.substr(0, comma));
    if (!count) return std::nullopt;
    ShuffleStep step;
    step.RemovedCount = *count;
    const std::string_view presence = text.substr(comma + 1, TileCount);
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        const char c = presence[std::size_t(tile - 1)];
        if (c != '0' && c != '1') return std::nullopt;
        step.Present[tile] = c == '1';
    }
    // The deal's record form: every face 1..42, no more of each than a deal has.
    if (!ConvertTilesFromString(step.Faces, std::string(text.substr(comma + 1 + TileCount)))) return std::nullopt;
    return step;
}

bool ParseShuffles(const std::string& text, GameProgress& p)
{
    if (text.empty()) return true;
    std::size_t start = text.find('|');
    if (start == std::string::npos) return false;
    const auto done = ParseNumber(std::string_view(text).substr(0, start));
    if (!done) return false;
    p.ShufflesDone = *done;
    while (start != std::string::npos) {
        const std::size_t end = text.find('|', start + 1);
        const std::size_t length = end == std::string::npos ? std::string::npos : end - start - 1;
        const auto step = ParseShuffleStep(std::string_view(text).substr(start + 1, length));
        if (!step || p.Shuffles.size() >= std::size_t(TileCount)) return false;
        p.Shuffles.push_back(*step);
        start = end;
    }
    return true;
}

std::string TwoDigits(long value) { return std::string(1, char('0' + value / 10)) + char('0' + value % 10); }

bool NothingToKeep(const GameProgress& p)
{
    return p.RemovedCount == 0 && p.RemovedCountMax == 0 && !p.PeekMode && !p.HintUsed && p.SelectedTile1 == 0 &&
           p.Shuffles.empty();
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

std::string EncodeProgressShuffles(const GameProgress& p)
{
    if (p.Shuffles.empty()) return {};
    std::string text = std::to_string(p.ShufflesDone);
    for (const ShuffleStep& step : p.Shuffles) {
        text += '|' + std::to_string(step.RemovedCount) + ',';
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) text += step.Present[tile] ? '1' : '0';
        // The deal's record form: character k is face k plus 32.
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) text += char(' ' + step.Faces[tile]);
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
                                           const BoardGeometry& geometry, const TileArray& faces,
                                           const std::string& shuffles)
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
    if (!ParseShuffles(shuffles, p)) return std::nullopt;
    TilePresence present{};
    if (!ReplayGameProgress(geometry, faces, p, present)) return std::nullopt;
    return p;
}

bool SaveGameProgress(Registry& settings, const std::optional<GameProgress>& progress)
{
    const bool keep = progress && !NothingToKeep(*progress);
    settings.SaveRegistryString(BoardSection, ProgressKey, keep ? EncodeProgress(*progress) : "", "");
    settings.SaveRegistryString(BoardSection, ProgressTimeKey, keep ? EncodeProgressTime(progress->GameTime) : "", "");
    settings.SaveRegistryString(BoardSection, ProgressShufflesKey, keep ? EncodeProgressShuffles(*progress) : "", "");
    return keep;
}

std::optional<GameProgress> LoadGameProgress(const Registry& settings, const BoardGeometry& geometry,
                                             const TileArray& faces)
{
    const std::string progress = settings.LoadRegistryString(BoardSection, ProgressKey, "");
    if (progress.empty()) return std::nullopt;
    return DecodeProgress(progress, settings.LoadRegistryString(BoardSection, ProgressTimeKey, ""), geometry, faces,
                          settings.LoadRegistryString(BoardSection, ProgressShufflesKey, ""));
}

} // namespace tessaron
