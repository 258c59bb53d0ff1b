#include "window/BoardPictures.h"

#include <QString>

#include <algorithm>

namespace tessaron {

namespace {
// A pixmap needs the application, so not a global.
const QPixmap& None()
{
    static const QPixmap none;
    return none;
}
bool ValidScale(int scale) { return scale >= 1 && scale <= resources::MaxPictureScale; }

QImage Read(const std::string& path, int scale)
{
    // The "@2x" name gives the picture its device pixel ratio as it is read.
    QImage image(QString::fromStdString(resources::ScaledPath(path, scale)));
    // The format the raster engine blends from, so taking it into a pixmap copies nothing.
    if (!image.isNull()) image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image;
}
} // namespace

const QPixmap& BoardPictures::Picture(const std::string& path, int scale) const
{
    if (!ValidScale(scale)) return None();
    auto& held = held_[std::size_t(scale - 1)];
    const auto found = held.find(path);
    if (found != held.end()) return found->second;
    return held.emplace(path, QPixmap::fromImage(Read(path, scale))).first->second;
}

const QPixmap& BoardPictures::Face(int face, bool bright, int scale) const
{
    if (face < 1 || face > resources::TileFaceCount) return None();
    return Picture(resources::TileFacePath(bright, face), scale);
}

const QPixmap& BoardPictures::Background(int scale) const { return Picture(resources::BackgroundPath(), scale); }

const QPixmap& BoardPictures::Felt(int scale) const { return Picture(resources::FeltPath(), scale); }

const QPixmap& BoardPictures::WonBanner(int language, int scale) const
{
    if (language < 0 || language >= resources::LanguageCount) return None();
    return Picture(resources::WonBannerPath(language), scale);
}

const QPixmap& BoardPictures::ButtonIcon(resources::ButtonIcon icon, resources::ButtonLook look, int scale) const
{
    return Picture(resources::ButtonIconPath(icon, look), scale);
}

std::vector<std::string> BoardPictures::Missing(const std::vector<std::string>& paths, int scale) const
{
    std::vector<std::string> missing;
    if (!ValidScale(scale)) return missing;
    const auto& held = held_[std::size_t(scale - 1)];
    for (const std::string& path : paths)
        if (!held.contains(path) && std::ranges::find(missing, path) == missing.end()) missing.push_back(path);
    return missing;
}

void BoardPictures::Take(DecodedPictures decoded, int scale)
{
    if (!ValidScale(scale)) return;
    auto& held = held_[std::size_t(scale - 1)];
    for (auto& [path, image] : decoded) held.insert_or_assign(path, QPixmap::fromImage(std::move(image)));
}

void BoardPictures::KeepOnly(std::initializer_list<int> scales)
{
    for (int scale = 1; scale <= resources::MaxPictureScale; ++scale)
        if (std::ranges::find(scales, scale) == scales.end()) held_[std::size_t(scale - 1)].clear();
}

int BoardPictures::ScalesHeld() const
{
    return int(std::ranges::count_if(held_, [](const auto& held) { return !held.empty(); }));
}

DecodedPictures DecodePictures(const std::vector<std::string>& paths, int scale)
{
    DecodedPictures decoded;
    if (!ValidScale(scale)) return decoded;
    for (const std::string& path : paths) {
        QImage image = Read(path, scale);
        if (!image.isNull()) decoded.emplace_back(path, std::move(image));
    }
    return decoded;
}

} // namespace tessaron
