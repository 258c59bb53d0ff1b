#include "board/Layout.h"

#include "board/LayoutPlaces.h"
#include "shell/StringTable.h"
#include "shell/TextTools.h"

#include <algorithm>

namespace tessaron {

namespace {

constexpr std::string_view FormatLine = "tessaron-layout 1";
constexpr std::size_t NameLimit = 64;
constexpr std::int32_t LongestRow = 72;

// Text numbers: the frame "^0, line ^1: ^2" and one text per kind of fault after it.
constexpr int LayoutFaultFrameText = 940;

bool IsLayoutBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsLayoutBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsLayoutBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Splits off the next word (up to a blank); text keeps the rest.
std::string_view NextWord(std::string_view& text)
{
    text = Trimmed(text);
    std::size_t end = 0;
    while (end < text.size() && !IsLayoutBlank(text[end])) ++end;
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// A whole number of at most three digits, or -1.
std::int32_t SmallNumber(std::string_view word)
{
    if (word.empty() || word.size() > 3) return -1;
    std::int32_t value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Well-formed UTF-8 without control characters: a name is shown as it stands.
bool IsValidName(std::string_view name)
{
    if (name.empty() || name.size() > NameLimit) return false;
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = static_cast<unsigned char>(name[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > name.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(name[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::uint32_t Shortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < Shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        if (code < 0x20 || code == 0x7F) return false;
        i += length;
    }
    return true;
}

class Reader {
public:
    Reader(std::string_view text, std::string_view source) : text_(text), source_(source) {}

    LayoutReading Read()
    {
        if (text_.size() > LayoutTextLimit) return Fault(1, LayoutFaultKind::TooLarge, std::int32_t(LayoutTextLimit));
        std::int32_t lineNumber = 0;
        std::string_view rest = text_;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
            ++lineNumber;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (line.size() > LayoutLineLimit)
                return Fault(lineNumber, LayoutFaultKind::LineTooLong, std::int32_t(LayoutLineLimit));
            if (lineNumber == 1) {
                if (Trimmed(line) != FormatLine) return Fault(1, LayoutFaultKind::NotALayout);
                continue;
            }
            if (auto fault = ReadLine(line, lineNumber)) return *fault;
        }
        if (lineNumber == 0) return Fault(1, LayoutFaultKind::NotALayout);
        return Finish(lineNumber);
    }

private:
    std::optional<LayoutFault> ReadLine(std::string_view line, std::int32_t lineNumber)
    {
        line = Trimmed(line);
        if (line.empty() || line.front() == '#') return std::nullopt;
        if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }))
            return Fault(lineNumber, LayoutFaultKind::NotUnderstood);
        std::string_view words = line;
        const std::string_view keyword = NextWord(words);
        if (keyword == "key") return Header(layout_.Key, Trimmed(words), lineNumber, true);
        if (keyword == "name-en") return Header(layout_.EnglishName, Trimmed(words), lineNumber, false);
        if (keyword == "name-de") return Header(layout_.GermanName, Trimmed(words), lineNumber, false);
        if (keyword == "tile" || keyword == "row") return Tiles(words, lineNumber, keyword == "row");
        return Fault(lineNumber, LayoutFaultKind::NotUnderstood);
    }

    std::optional<LayoutFault> Header(std::string& field, std::string_view value, std::int32_t lineNumber, bool isKey)
    {
        if (!field.empty()) return Fault(lineNumber, LayoutFaultKind::HeaderTwice);
        if (isKey ? !IsLayoutKey(value) : !IsValidName(value))
            return Fault(lineNumber, isKey ? LayoutFaultKind::BadKey : LayoutFaultKind::BadName);
        field = std::string(value);
        return std::nullopt;
    }

    // "tile X Y LAYER" or "row X Y LAYER COUNT": COUNT tiles going right in steps of 2.
    std::optional<LayoutFault> Tiles(std::string_view words, std::int32_t lineNumber, bool isRow)
    {
        std::int32_t values[4] = {0, 0, 0, 1};
        const int wanted = isRow ? 4 : 3;
        for (int i = 0; i < wanted; ++i) {
            values[i] = SmallNumber(NextWord(words));
            if (values[i] < 0) return Fault(lineNumber, LayoutFaultKind::NotUnderstood);
        }
        if (!Trimmed(words).empty()) return Fault(lineNumber, LayoutFaultKind::NotUnderstood);
        const auto [x, y, layer, count] = values;
        if (count < 1 || count > LongestRow || x + 2 * (count - 1) > LayoutCoordinateLimit ||
            y > LayoutCoordinateLimit || layer > LayoutLayerLimit)
            return Fault(lineNumber, LayoutFaultKind::OutOfRange);
        for (std::int32_t i = 0; i < count; ++i) {
            if (tiles_.size() == std::size_t(TileCount))
                return Fault(lineNumber, LayoutFaultKind::WrongTileCount, TileCount + 1);
            tiles_.push_back(ListedTile{TileLocation{x + 2 * i, y, layer}, lineNumber});
        }
        return std::nullopt;
    }

    LayoutReading Finish(std::int32_t lastLine)
    {
        if (layout_.Key.empty() || layout_.EnglishName.empty() || layout_.GermanName.empty())
            return Fault(lastLine, LayoutFaultKind::HeaderMissing);
        if (tiles_.size() != std::size_t(TileCount))
            return Fault(lastLine, LayoutFaultKind::WrongTileCount, std::int32_t(tiles_.size()));
        if (const auto fault = PlacesSoundnessFault(tiles_)) {
            if (fault->What == PlacesFault::Kind::Overlapping)
                return Fault(fault->Line, LayoutFaultKind::Overlapping, fault->OtherLine);
            return Fault(fault->Line, LayoutFaultKind::NotResting);
        }
        for (const ListedTile& tile : InDrawingOrder(tiles_)) layout_.Places.push_back(tile.Place);
        return std::move(layout_);
    }

    LayoutFault Fault(std::int32_t line, LayoutFaultKind kind, std::int32_t detail = 0) const
    {
        return LayoutFault{std::string(source_), line, kind, detail};
    }

    std::string_view text_;
    std::string_view source_;
    Layout layout_;
    std::vector<ListedTile> tiles_;
};

} // namespace

bool IsLayoutKey(std::string_view key)
{
    return !key.empty() && key.size() <= LayoutKeyLimit && std::all_of(key.begin(), key.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
           });
}

std::int32_t Layout::Width() const
{
    std::int32_t width = 0;
    for (const TileLocation& place : Places) width = std::max(width, place.X + 2);
    return width;
}

std::int32_t Layout::Height() const
{
    std::int32_t height = 0;
    for (const TileLocation& place : Places) height = std::max(height, place.Y + 2);
    return height;
}

std::int32_t Layout::LayerCount() const
{
    std::int32_t layers = 0;
    for (const TileLocation& place : Places) layers = std::max(layers, place.Layer + 1);
    return layers;
}

LayoutReading ReadLayout(std::string_view text, std::string_view source)
{
    return Reader(text, source).Read();
}

std::string LayoutFaultText(const LayoutFault& fault, int stringBase)
{
    const auto text = [stringBase](int number) {
        return std::string(ResourceString(stringBase + number).value_or(std::string_view()));
    };
    const std::string reason =
        ReplaceSubString(text(LayoutFaultFrameText + int(fault.Kind)), "^0", std::to_string(fault.Detail));
    // The source goes in last: a file name may hold "^1" itself.
    std::string message = ReplaceSubString(text(LayoutFaultFrameText), "^1", std::to_string(fault.Line));
    message = ReplaceSubString(message, "^2", reason);
    return ReplaceSubString(message, "^0", fault.Source);
}

} // namespace tessaron
