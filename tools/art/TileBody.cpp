// The blank tile: a green back, an ivory side and the face plate, stacked so the side
// shows on the left and at the bottom. The selected look turns the whole plate amber.
#include "TileArt.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <stdexcept>

namespace tessaron::art {

QColor PlateGround(TileLook look)
{
    return look == TileLook::Bright ? QColor(255, 218, 134) : QColor(248, 242, 224);
}

void DrawTileBody(QPainter& painter, TileLook look)
{
    const bool bright = look == TileLook::Bright;
    painter.save();

    // Back layer: shows as the outer two pixels of the edge.
    painter.setPen(QPen(bright ? QColor(120, 70, 10) : QColor(10, 60, 40), 1));
    painter.setBrush(bright ? QColor(196, 120, 30) : QColor(28, 120, 84));
    painter.drawRoundedRect(QRectF(0.5, 4.5, 35, 51), 3, 3);

    // Ivory side between back and face.
    painter.setPen(Qt::NoPen);
    painter.setBrush(bright ? QColor(236, 180, 96) : QColor(206, 192, 152));
    painter.drawRoundedRect(QRectF(2, 2, 36, 52), 3, 3);

    // Face plate, lit from the top right.
    QLinearGradient light(FacePlate.topRight(), FacePlate.bottomLeft());
    if (bright) {
        light.setColorAt(0, QColor(255, 236, 170));
        light.setColorAt(1, QColor(255, 196, 96));
    } else {
        light.setColorAt(0, QColor(255, 253, 242));
        light.setColorAt(1, QColor(236, 228, 204));
    }
    painter.setBrush(light);
    painter.setPen(QPen(bright ? QColor(176, 110, 20) : QColor(150, 140, 112), 1));
    painter.drawRoundedRect(FacePlate.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.restore();
}

QImage TilePicture(int face, TileLook look, int scale)
{
    QImage picture = NewPicture(40, 56, scale);
    QPainter painter;
    BeginPainting(painter, picture);
    DrawTileBody(painter, look);
    if (face >= 1 && face <= 9)
        DrawBambooFace(painter, face);
    else if (face >= 10 && face <= 18)
        DrawCircleFace(painter, face - 9, PlateGround(look));
    else if (face >= 19 && face <= 27)
        DrawCharacterFace(painter, face - 18);
    else if (face >= 28 && face <= 30)
        DrawDragonFace(painter, face - 28);
    else if (face >= 31 && face <= 34)
        DrawWindFace(painter, face - 31);
    else if (face >= 35 && face <= 38)
        DrawFlowerFace(painter, face - 35);
    else if (face >= 39 && face <= 42)
        DrawSeasonFace(painter, face - 39);
    else
        throw std::out_of_range("tile face out of range");
    painter.end();
    return picture;
}

} // namespace tessaron::art
