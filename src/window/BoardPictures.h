#pragma once
// The pictures the board shows, loaded once from the carried resources: the 42 faces in
// the dark and the bright look, the background, the two win banners and the button icons.
#include "ResourceNames.h"

#include <QPixmap>

#include <array>

namespace tessaron {

struct BoardPictures {
    BoardPictures();

    // face 1..42; a null picture for anything else.
    const QPixmap& Face(int face, bool bright) const;

    std::array<QPixmap, resources::TileFaceCount + 1> Dark;
    std::array<QPixmap, resources::TileFaceCount + 1> Bright;
    QPixmap Background;
    std::array<QPixmap, resources::LanguageCount> WonBanner;
    // [icon][look] in the order of resources::ButtonIcons and resources::ButtonLooks.
    std::array<std::array<QPixmap, 3>, 4> ButtonIcon;
};

} // namespace tessaron
