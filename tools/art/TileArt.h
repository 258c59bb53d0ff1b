#pragma once
// Tile pictures: a 40 x 56 body whose 36 x 52 face sits at the top right, with a 4-pixel
// edge on the left and bottom. The face painters draw on top of the body.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace tessaron::art {

enum class TileLook { Dark, Bright };

// The face plate and the area the symbols may use (a 2-pixel margin inside the plate).
inline const QRectF FacePlate{4, 0, 36, 52};
inline const QRectF FaceArea{6, 2, 32, 48};
inline QPointF FaceCentre() { return FaceArea.center(); }

// The plate's middle colour in each look: the inside of rings is painted with it, so a
// selected tile is warm all over.
QColor PlateGround(TileLook look);

// Faces 1..42 in the game's numbering, at scale device pixels per unit.
QImage TilePicture(int face, TileLook look, int scale = 1);

void DrawTileBody(QPainter& painter, TileLook look);
void DrawBambooFace(QPainter& painter, int count);      // 1..9
void DrawCircleFace(QPainter& painter, int count, const QColor& ground);  // 1..9
void DrawCharacterFace(QPainter& painter, int count);   // 1..9
void DrawDragonFace(QPainter& painter, int dragon);     // 0 red, 1 green, 2 white
void DrawWindFace(QPainter& painter, int wind);         // 0 north, 1 east, 2 south, 3 west
void DrawFlowerFace(QPainter& painter, int flower);     // 0 bamboo, 1 chrysanthemum, 2 orchid, 3 plum
void DrawSeasonFace(QPainter& painter, int season);     // 0 spring .. 3 winter

} // namespace tessaron::art
