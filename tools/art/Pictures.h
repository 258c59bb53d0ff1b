#pragma once
// Every picture the art tool makes besides the tile faces (see TileArt.h).
#include "ResourceNames.h"

#include <QImage>

namespace tessaron {
class BoardGeometry;
}

namespace tessaron::art {

// Each picture is drawn at scale device pixels per unit (1 to resources::MaxPictureScale)
// by the same painting code, so the larger ones carry real detail.
QImage BackgroundPicture(int scale = 1);                          // 580 x 474
QImage FeltPicture(int scale = 1);                                // FeltSize square, repeating
QImage WonBanner(int language, int scale = 1);                    // 0 English, 1 German
QImage HallOfFameTitle(int language, int scale = 1);
QImage ButtonIconPicture(resources::ButtonIcon icon, resources::ButtonLook look, int scale = 1);
QImage ProgramIconPicture(int size, int scale = 1);

// The built-in layout placed with the game's own tile steps.
const BoardGeometry& LayoutGeometry();

// Pictures for people reading the repository, not carried by the game.
QImage ContactSheet();   // all faces in both looks at 1x and 3x
QImage BoardPreview();   // a full board on the background with labels and buttons

} // namespace tessaron::art
