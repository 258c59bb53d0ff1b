#pragma once
// Every picture the art tool makes besides the tile faces (see TileArt.h).
#include "ResourceNames.h"

#include <QImage>

namespace tessaron::art {

QImage BackgroundPicture();                          // 580 x 474
QImage WonBanner(int language);                      // 0 English, 1 German
QImage HallOfFameTitle(int language);
QImage ButtonIconPicture(resources::ButtonIcon icon, resources::ButtonLook look);
QImage ProgramIconPicture(int size);

// Pictures for people reading the repository, not carried by the game.
QImage ContactSheet();   // all faces in both looks at 1x and 3x
QImage BoardPreview();   // a full board on the background with labels and buttons

} // namespace tessaron::art
