#pragma once
// The pictures the board shows, loaded once from the carried resources: the 42 faces in
// the dark and the bright look, the background, the two win banners and the button icons.
// What the first paint of a deal needs is decoded at once; the bright look of a face and a
// win banner only when first asked for, which keeps them out of the start-up time.
#include "ResourceNames.h"

#include <QPixmap>

#include <array>

namespace tessaron {

struct BoardPictures {
    BoardPictures();

    // face 1..42; a null picture for anything else.
    const QPixmap& Face(int face, bool bright) const;
    // language 0 English, 1 German.
    const QPixmap& WonBanner(int language) const;

    std::array<QPixmap, resources::TileFaceCount + 1> Dark;
    QPixmap Background;
    // [icon][look] in the order of resources::ButtonIcons and resources::ButtonLooks.
    std::array<std::array<QPixmap, 3>, 4> ButtonIcon;

private:
    mutable std::array<QPixmap, resources::TileFaceCount + 1> bright_;
    mutable std::array<QPixmap, resources::LanguageCount> wonBanner_;
};

} // namespace tessaron
