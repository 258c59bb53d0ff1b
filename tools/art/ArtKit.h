#pragma once
// Shared helpers of the art tool: fonts, blank pictures, saving, glyphs and a fixed-seed
// noise source, so every run writes the same bytes.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <cstdint>

namespace tessaron::art {

// Fails with a message naming the missing font family when one is not installed.
void RequireFonts();
QFont GlyphFont(qreal pixelSize);                       // Chinese glyphs
QFont LatinFont(qreal pixelSize, bool bold = true);     // small numbers and letters
QFont PlayfulFont(qreal pixelSize);                     // banners, titles, labels

// A transparent ARGB picture of width x height units at scale device pixels per unit. Its
// device pixel ratio is the scale, so a painter on it draws in units and every stroke and
// glyph is rendered at the full resolution.
QImage NewPicture(int width, int height, int scale = 1);
// Starts a painter with antialiasing on.
void BeginPainting(QPainter& painter, QImage& picture);
// Writes a PNG without any text chunks; creates the folder. Throws on failure.
void SavePicture(const QImage& picture, const QString& path);

// Draws text as a filled outline, centred on its visual bounding box. A positive
// embolden thickens the strokes by stroking the outline with the same colour.
void DrawGlyph(QPainter& painter, const QString& text, const QFont& font, QPointF centre,
               const QColor& colour, qreal embolden = 0.0);

// Draws text with a coloured outline (for banners and titles on any background).
void DrawOutlinedText(QPainter& painter, const QString& text, const QFont& font, QPointF centre,
                      const QBrush& fill, const QColor& outline, qreal outlineWidth);

// Deterministic noise: the same seed yields the same numbers on every platform.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    std::uint32_t Next();
    // Uniform in [-amplitude, amplitude].
    int Jitter(int amplitude);
    // Uniform in [0, 1).
    double Unit();

private:
    std::uint32_t state_;
};

} // namespace tessaron::art
