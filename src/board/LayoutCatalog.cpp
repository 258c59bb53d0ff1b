#include "board/LayoutCatalog.h"

#include "board/LayoutAdmission.h"
#include "shell/Failure.h"

#include <algorithm>
#include <cmath>

namespace tessaron {

namespace {

// The line that names the key of a text the reader accepted.
std::int32_t KeyLine(std::string_view text)
{
    std::int32_t line = 1;
    for (std::size_t start = 0; start < text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view content = text.substr(start, end - start);
        while (!content.empty() && (content.front() == ' ' || content.front() == '\t')) content.remove_prefix(1);
        if (content.starts_with("key ") || content.starts_with("key\t")) return line;
        start = end + 1;
    }
    return 1;
}

} // namespace

LayoutCatalog::LayoutCatalog()
{
    for (const BuiltInLayoutText& builtIn : BuiltInLayoutTexts()) {
        LayoutReading reading = ReadLayout(builtIn.Text, builtIn.FileName);
        if (auto* layout = std::get_if<Layout>(&reading)) layouts_.push_back(std::move(*layout));
    }
    // Positions of the game records index the classic layout's places: without it the
    // program cannot run.
    if (layouts_.empty() || layouts_.front().Key != ClassicLayoutKey) Fail(ErrResourceNotFound);
}

const Layout* LayoutCatalog::Find(std::string_view key) const
{
    for (const Layout& layout : layouts_)
        if (layout.Key == key) return &layout;
    return nullptr;
}

std::optional<LayoutFault> LayoutCatalog::AddLayout(std::string_view text, std::string_view source)
{
    LayoutReading reading = ReadLayout(text, source);
    if (const auto* fault = std::get_if<LayoutFault>(&reading)) return *fault;
    Layout& layout = std::get<Layout>(reading);
    if (Find(layout.Key)) return LayoutFault{std::string(source), KeyLine(text), LayoutFaultKind::KeyTaken, 0};
    const LayoutTrial trial = TryLayout(layout, TrialDeals, 1);
    if (!IsAdmitted(trial))
        return LayoutFault{std::string(source), 1, LayoutFaultKind::TooManyAttempts,
                           std::int32_t(std::ceil(trial.MeanAttempts(TrialDeals)))};
    layouts_.push_back(std::move(layout));
    return std::nullopt;
}

} // namespace tessaron
