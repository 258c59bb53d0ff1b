#include "layouts/LayoutChoice.h"

#include <algorithm>
#include <string>

namespace tessaron {

namespace {

const std::string LayoutKey = "Layout";
const std::string NewLayoutEveryGameKey = "NewLayoutEveryGame";

} // namespace

const Layout* StoredLayout(const Registry& settings, const LayoutCatalog& catalog)
{
    return catalog.Find(settings.LoadRegistryString(BoardSection, LayoutKey, std::string(ClassicLayoutKey)));
}

void SaveStoredLayout(Registry& settings, std::string_view key)
{
    settings.SaveRegistryString(BoardSection, LayoutKey, std::string(key), std::string(ClassicLayoutKey));
}

bool LoadNewLayoutEveryGame(const Registry& settings)
{
    return settings.LoadRegistryString(BoardSection, NewLayoutEveryGameKey, "") == "1";
}

void SaveNewLayoutEveryGame(Registry& settings, bool on)
{
    settings.SaveRegistryString(BoardSection, NewLayoutEveryGameKey, on ? "1" : "", "");
}

const Layout& NewGameLayout(const LayoutCatalog& catalog, const Layout& current, bool newLayoutEveryGame,
                            RandomSource& random)
{
    const std::vector<Layout>& layouts = catalog.Layouts();
    if (!newLayoutEveryGame || layouts.size() < 2) return current;
    const auto currentAt = std::size_t(std::find_if(layouts.begin(), layouts.end(),
                                                    [&](const Layout& layout) { return layout.Key == current.Key; }) -
                                       layouts.begin());
    // One of the others, each as likely: the draw skips over current's place in the list.
    const std::size_t others = currentAt < layouts.size() ? layouts.size() - 1 : layouts.size();
    std::size_t pick = std::min(std::size_t(random.NextUniform() * double(others)), others - 1);
    if (pick >= currentAt) ++pick;
    return layouts[pick];
}

} // namespace tessaron
