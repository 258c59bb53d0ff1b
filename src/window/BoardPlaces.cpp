#include "window/BoardPlaces.h"

#include "window/BoardLabel.h"
#include "window/BoardScale.h"

#include <algorithm>

namespace tessaron {

void BoardPlaces::Add(QWidget* control, const QRectF& units)
{
    const auto listed =
        std::ranges::find_if(entries_, [control](const Entry& entry) { return entry.Control == control; });
    if (listed != entries_.end())
        listed->Units = units;
    else
        entries_.push_back({control, units, nullptr});
    control->setGeometry(scale_.Map(units));
}

void BoardPlaces::Add(BoardLabel* label)
{
    entries_.push_back({label, QRectF(), label});
    label->Place();
}

void BoardPlaces::PlaceAll() const
{
    for (const Entry& entry : entries_) {
        if (entry.Label)
            entry.Label->Place();
        else
            entry.Control->setGeometry(scale_.Map(entry.Units));
    }
}

bool BoardPlaces::Contains(const QWidget* control) const
{
    return std::ranges::any_of(entries_, [control](const Entry& entry) { return entry.Control == control; });
}

} // namespace tessaron
