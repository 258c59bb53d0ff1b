// Makes every picture the game carries and writes them into a source tree:
//   tessaron_art <source-dir>
// writes <source-dir>/resources/images/... and <source-dir>/docs/{tiles,board-preview}.png.
#include "ArtKit.h"
#include "Pictures.h"
#include "ResourceNames.h"
#include "TileArt.h"

#include <QGuiApplication>

#include <exception>
#include <iostream>
#include <string>

using namespace tessaron;
namespace res = tessaron::resources;

namespace {

// ":/images/x.png" -> "<root>/resources/images/x.png"
QString FileFor(const QString& root, const std::string& resourcePath)
{
    return root + "/resources/" + QString::fromStdString(resourcePath.substr(2));
}

void WriteScale(const QString& root, int scale)
{
    const auto file = [&](const std::string& resourcePath) {
        return FileFor(root, res::ScaledPath(resourcePath, scale));
    };
    for (int face = 1; face <= res::TileFaceCount; ++face) {
        for (bool bright : {false, true}) {
            const art::TileLook look = bright ? art::TileLook::Bright : art::TileLook::Dark;
            art::SavePicture(art::TilePicture(face, look, scale), file(res::TileFacePath(bright, face)));
        }
    }
    art::SavePicture(art::BackgroundPicture(scale), file(res::BackgroundPath()));
    art::SavePicture(art::FeltPicture(scale), file(res::FeltPath()));
    for (int language = 0; language < res::LanguageCount; ++language) {
        art::SavePicture(art::WonBanner(language, scale), file(res::WonBannerPath(language)));
        art::SavePicture(art::HallOfFameTitle(language, scale), file(res::HallOfFameTitlePath(language)));
    }
    for (res::ButtonIcon icon : res::ButtonIcons)
        for (res::ButtonLook look : res::ButtonLooks)
            art::SavePicture(art::ButtonIconPicture(icon, look, scale), file(res::ButtonIconPath(icon, look)));
    for (int size : res::ProgramIconSizes)
        art::SavePicture(art::ProgramIconPicture(size, scale), file(res::ProgramIconPath(size)));
}

void WriteAll(const QString& root)
{
    for (int scale : res::PictureScales)
        WriteScale(root, scale);
    art::SavePicture(art::ContactSheet(), root + "/docs/tiles.png");
    art::SavePicture(art::BoardPreview(), root + "/docs/board-preview.png");
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: tessaron_art <source-dir>\n";
        return 2;
    }
    try {
        art::RequireFonts();
        WriteAll(QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& failure) {
        std::cerr << "tessaron_art: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
