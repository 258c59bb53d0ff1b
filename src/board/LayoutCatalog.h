#pragma once
// The layouts a game can be dealt on: the built-in ones, the classic layout first, and
// those a player adds. The window asks it for the list to choose from and for the layout
// of a key found in the settings or a game file.
#include "board/Layout.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tessaron {

inline constexpr std::string_view ClassicLayoutKey = "classic";

// The texts of the built-in layouts as compiled in (resources/layouts), classic first.
struct BuiltInLayoutText {
    std::string_view FileName;
    std::string_view Text;
};
std::span<const BuiltInLayoutText> BuiltInLayoutTexts();

class LayoutCatalog {
public:
    // Reads the built-in layouts (their soundness and admission are checked by the tests).
    LayoutCatalog();

    const std::vector<Layout>& Layouts() const { return layouts_; }
    // The layout of this key, or nullptr.
    const Layout* Find(std::string_view key) const;
    const Layout& Classic() const { return layouts_.front(); }

    // Reads a player's layout text, tries deals on it and adds it at the end. A refused text
    // (damaged, unsound, not admitted, or a key already taken) leaves the catalog as it was;
    // the fault names source and line.
    std::optional<LayoutFault> AddLayout(std::string_view text, std::string_view source);

private:
    std::vector<Layout> layouts_;
};

} // namespace tessaron
