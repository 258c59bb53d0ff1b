#include "window/BoardPictures.h"

#include <QString>

namespace tessaron {

namespace {
// A pixmap needs the application, so not a global.
const QPixmap& None()
{
    static const QPixmap none;
    return none;
}
bool ValidScale(int scale) { return scale >= 1 && scale <= resources::MaxPictureScale; }
} // namespace

const QPixmap& BoardPictures::Cached(QPixmap& slot, const std::string& path, int scale)
{
    // The "@2x" name gives the picture its device pixel ratio as it is read.
    if (slot.isNull()) slot = QPixmap(QString::fromStdString(resources::ScaledPath(path, scale)));
    return slot;
}

const QPixmap& BoardPictures::Face(int face, bool bright, int scale) const
{
    if (face < 1 || face > resources::TileFaceCount || !ValidScale(scale)) return None();
    auto& looks = bright ? bright_ : dark_;
    return Cached(looks[scale - 1][face], resources::TileFacePath(bright, face), scale);
}

const QPixmap& BoardPictures::Background(int scale) const
{
    if (!ValidScale(scale)) return None();
    return Cached(background_[scale - 1][0], resources::BackgroundPath(), scale);
}

const QPixmap& BoardPictures::WonBanner(int language, int scale) const
{
    if (language < 0 || language >= resources::LanguageCount || !ValidScale(scale)) return None();
    return Cached(wonBanner_[scale - 1][language], resources::WonBannerPath(language), scale);
}

const QPixmap& BoardPictures::ButtonIcon(resources::ButtonIcon icon, resources::ButtonLook look, int scale) const
{
    if (!ValidScale(scale)) return None();
    const std::size_t slot = std::size_t(icon) * resources::ButtonLooks.size() + std::size_t(look);
    return Cached(buttonIcon_[scale - 1][slot], resources::ButtonIconPath(icon, look), scale);
}

} // namespace tessaron
