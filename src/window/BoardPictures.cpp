#include "window/BoardPictures.h"

#include <QString>

namespace tessaron {

namespace {
QPixmap Load(const std::string& path) { return QPixmap(QString::fromStdString(path)); }
}

BoardPictures::BoardPictures()
{
    for (int face = 1; face <= resources::TileFaceCount; ++face) {
        Dark[face] = Load(resources::TileFacePath(false, face));
        Bright[face] = Load(resources::TileFacePath(true, face));
    }
    Background = Load(resources::BackgroundPath());
    for (int language = 0; language < resources::LanguageCount; ++language)
        WonBanner[language] = Load(resources::WonBannerPath(language));
    for (std::size_t icon = 0; icon < resources::ButtonIcons.size(); ++icon)
        for (std::size_t look = 0; look < resources::ButtonLooks.size(); ++look)
            ButtonIcon[icon][look] = Load(resources::ButtonIconPath(resources::ButtonIcons[icon], resources::ButtonLooks[look]));
}

const QPixmap& BoardPictures::Face(int face, bool bright) const
{
    static const QPixmap none;
    if (face < 1 || face > resources::TileFaceCount) return none;
    return bright ? Bright[face] : Dark[face];
}

} // namespace tessaron
