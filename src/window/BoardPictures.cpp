#include "window/BoardPictures.h"

#include <QString>

namespace tessaron {

namespace {
QPixmap Load(const std::string& path) { return QPixmap(QString::fromStdString(path)); }
}

BoardPictures::BoardPictures()
{
    for (int face = 1; face <= resources::TileFaceCount; ++face) Dark[face] = Load(resources::TileFacePath(false, face));
    Background = Load(resources::BackgroundPath());
    for (std::size_t icon = 0; icon < resources::ButtonIcons.size(); ++icon)
        for (std::size_t look = 0; look < resources::ButtonLooks.size(); ++look)
            ButtonIcon[icon][look] = Load(resources::ButtonIconPath(resources::ButtonIcons[icon], resources::ButtonLooks[look]));
}

const QPixmap& BoardPictures::Face(int face, bool bright) const
{
    static const QPixmap none;
    if (face < 1 || face > resources::TileFaceCount) return none;
    if (!bright) return Dark[face];
    if (bright_[face].isNull()) bright_[face] = Load(resources::TileFacePath(true, face));
    return bright_[face];
}

const QPixmap& BoardPictures::WonBanner(int language) const
{
    static const QPixmap none;
    if (language < 0 || language >= resources::LanguageCount) return none;
    if (wonBanner_[language].isNull()) wonBanner_[language] = Load(resources::WonBannerPath(language));
    return wonBanner_[language];
}

} // namespace tessaron
