#include "shell/DealOptions.h"

#include "board/BoardGeometry.h"
#include "board/DealDifficulty.h"
#include "board/DealNumber.h"
#include "records/GameRecord.h"
#include "shell/ErrorReport.h"
#include "shell/StringTable.h"
#include "shell/TextTools.h"

#include <algorithm>
#include <cstdlib>

namespace tessaron {

namespace {

constexpr int DealUnknownLayoutText = 955;
constexpr int DealLayoutKeyMissingText = 956;
constexpr int DealNumberMissingOptionText = 969;
constexpr int DealAndDailyText = 979;

std::string DealText(int number, const std::string& value, int stringBase = EnglishStringBase)
{
    return ReplaceSubString(std::string(ResourceString(stringBase + number).value_or("^0")), "^0", value);
}

// A failure while building the deal goes to the error stream instead of a box.
class StreamMessageBox final : public MessageBoxService {
public:
    explicit StreamMessageBox(std::ostream& err) : err_(err) {}
    void Beep() override {}
    MessageBoxAnswer ShowCriticalOkCancel(const std::string& title, const std::string& text) override
    {
        ShowCriticalOk(title, text);
        return MessageBoxAnswer::Ok;
    }
    void ShowCriticalOk(const std::string& title, const std::string& text) override
    {
        err_ << title << ": " << text << '\n';
        Shown = true;
    }
    bool Shown = false;

private:
    std::ostream& err_;
};

using Arguments = std::vector<std::string>;

// The value after option: nothing when the option is absent; the refusal when the value is.
struct OptionValue {
    bool Present = false;
    std::optional<std::string> Value;
};

OptionValue FindOptionValue(const Arguments& arguments, const std::string& option)
{
    const auto found = std::find(arguments.begin(), arguments.end(), option);
    if (found == arguments.end()) return {};
    if (found + 1 == arguments.end()) return {true, std::nullopt};
    return {true, found[1]};
}

// The deal number after option, or the refusal.
std::variant<std::int32_t, std::string> DealNumberAfter(const Arguments& arguments, const std::string& option,
                                                        int stringBase = EnglishStringBase)
{
    const OptionValue value = FindOptionValue(arguments, option);
    const DealNumberReading reading = ParseDealNumber(value.Value.value_or(""));
    if (reading.Fault == DealNumberFault::None) return reading.Number;
    if (reading.Fault == DealNumberFault::Missing) return DealText(DealNumberMissingOptionText, option, stringBase);
    return DealNumberFaultText(reading.Fault, *value.Value, stringBase);
}

// The key after "--layout", "" without the option, or the refusal.
std::variant<std::string, std::string> LayoutKeyOption(const Arguments& arguments, int stringBase = EnglishStringBase)
{
    const OptionValue value = FindOptionValue(arguments, "--layout");
    if (!value.Present) return std::variant<std::string, std::string>(std::in_place_index<0>, "");
    if (!value.Value || value.Value->empty())
        return std::variant<std::string, std::string>(std::in_place_index<1>, DealText(DealLayoutKeyMissingText, "--layout", stringBase));
    return std::variant<std::string, std::string>(std::in_place_index<0>, *value.Value);
}

} // namespace

std::optional<int> RunDealOption(const LayoutCatalog& catalog, const Arguments& arguments, std::ostream& out,
                                 std::ostream& err)
{
    if (std::find(arguments.begin(), arguments.end(), "--print-deal") == arguments.end()) return std::nullopt;
    const auto number = DealNumberAfter(arguments, "--print-deal");
    if (const auto* refusal = std::get_if<std::string>(&number)) {
        err << *refusal << '\n';
        return EXIT_FAILURE;
    }
    const auto key = LayoutKeyOption(arguments);
    if (key.index() == 1) {
        err << std::get<1>(key) << '\n';
        return EXIT_FAILURE;
    }
    const std::string& wanted = std::get<0>(key);
    const Layout* layout = wanted.empty() ? &catalog.Classic() : catalog.Find(wanted);
    if (!layout) {
        err << DealText(DealUnknownLayoutText, wanted) << '\n';
        return EXIT_FAILURE;
    }

    StreamMessageBox box(err);
    ErrorReport errors(box, [] {}, [] {});
    BoardGeometry geometry(errors);
    geometry.CreateTileRelations(layout->Places, 36.0f, 52.0f);
    struct Silent final : GameCreateObserver {
        void ShowStep(std::int32_t) override {}
    } silent;
    TileArray faces{};
    CreateNumberedDeal(geometry, layout->Key, std::get<std::int32_t>(number), faces, silent, false, errors);
    const std::string record = ConvertTilesToString(faces, errors);
    if (box.Shown || record.size() != std::size_t(TileCount)) return EXIT_FAILURE;
    out << record << '\t' << DealBandKey(RateDeal(geometry, layout->Key, faces).Band) << '\n';
    return EXIT_SUCCESS;
}

std::variant<DealStartRequest, std::string> ParseDealStartOptions(const Arguments& arguments, int stringBase)
{
    DealStartRequest request;
    const bool daily = std::find(arguments.begin(), arguments.end(), "--daily") != arguments.end();
    if (FindOptionValue(arguments, "--deal").Present) {
        if (daily) return DealText(DealAndDailyText, "", stringBase);
        const auto number = DealNumberAfter(arguments, "--deal", stringBase);
        if (const auto* refusal = std::get_if<std::string>(&number)) return *refusal;
        request.What = DealStartRequest::Kind::Numbered;
        request.Number = std::get<std::int32_t>(number);
    } else if (daily) {
        request.What = DealStartRequest::Kind::Daily;
    }
    const auto key = LayoutKeyOption(arguments, stringBase);
    if (key.index() == 1) return std::get<1>(key);
    request.LayoutKey = std::get<0>(key);
    return request;
}

} // namespace tessaron
