#pragma once
// The pictures the board shows, from the carried resources: the 42 faces in the dark and the
// bright look, the background, the two win banners and the button icons, each at the
// resolutions 1 to 3. Nothing is decoded before it is first asked for, and then only at the
// resolution in use: a start-up decodes the faces of the deal on the board and no more.
#include "ResourceNames.h"

#include <QPixmap>

#include <array>
#include <string>

namespace tessaron {

class BoardPictures {
public:
    // face 1..42; scale 1..3 (see BoardScale::PictureScale); a null picture for anything else.
    const QPixmap& Face(int face, bool bright, int scale) const;
    const QPixmap& Background(int scale) const;
    // language 0 English, 1 German.
    const QPixmap& WonBanner(int language, int scale) const;
    const QPixmap& ButtonIcon(resources::ButtonIcon icon, resources::ButtonLook look, int scale) const;

private:
    // The picture at path and scale in its slot, decoded on the first call.
    static const QPixmap& Cached(QPixmap& slot, const std::string& path, int scale);

    template <std::size_t N>
    using PerScale = std::array<std::array<QPixmap, N>, resources::MaxPictureScale>;
    mutable PerScale<resources::TileFaceCount + 1> dark_;
    mutable PerScale<resources::TileFaceCount + 1> bright_;
    mutable PerScale<1> background_;
    mutable PerScale<resources::LanguageCount> wonBanner_;
    mutable PerScale<resources::ButtonIcons.size() * resources::ButtonLooks.size()> buttonIcon_;
};

} // namespace tessaron
