#include "window/BoardHelpers.h"

#include "shell/Locale.h"
#include "shell/TextTools.h"

namespace tessaron {

namespace {

constexpr std::int16_t HelperFreePairs = 649;
constexpr std::int16_t HelperOneFreePair = 650;
constexpr std::int16_t HelperMatches = 651;
constexpr std::int16_t HelperOneMatch = 652;
constexpr std::int16_t HelperNoMatch = 653;

// The text for count: its own text for one (and for none, when given), else the pattern
// with "^0" filled.
QString CountText(const Locale& texts, std::int32_t count, std::int16_t many, std::int16_t one, std::int16_t none)
{
    std::string text;
    if (count == 0 && none != 0)
        text = texts.LoadLocaleString(none);
    else if (count == 1)
        text = texts.LoadLocaleString(one);
    else
        text = ReplaceSubString(texts.LoadLocaleString(many), "^0", std::to_string(count));
    return QString::fromStdString(text);
}
} // namespace

void BoardHelpers::Set(bool freePairs, bool matches)
{
    freePairs_ = freePairs;
    matches_ = matches;
}

QString BoardHelpers::FreePairsText(const Play& play) const
{
    // A cleared board has no pairs left to count.
    if (!freePairs_ || !play.DealExists() || play.GameWon()) return {};
    return CountText(texts_, play.FreePairCount(), HelperFreePairs, HelperOneFreePair, 0);
}

std::vector<std::int32_t> BoardHelpers::MarkedTiles(const Play& play) const
{
    const std::int32_t selected = play.SelectedTile1();
    if (!matches_ || selected == 0 || play.SelectedTile2() != 0 || play.PeekMode()) return {};
    return play.FreeMatches(selected);
}

QString BoardHelpers::MatchesText(const Play& play) const
{
    if (!matches_ || play.SelectedTile1() == 0 || play.SelectedTile2() != 0 || play.PeekMode()) return {};
    return CountText(texts_, std::int32_t(MarkedTiles(play).size()), HelperMatches, HelperOneMatch, HelperNoMatch);
}

} // namespace tessaron
