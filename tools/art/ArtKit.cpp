#include "ArtKit.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageWriter>
#include <QPainterPath>
#include <QStringList>

#include <stdexcept>

namespace tessaron::art {

namespace {
const QString GlyphFamily = QStringLiteral("WenQuanYi Micro Hei");
const QString LatinFamily = QStringLiteral("DejaVu Sans");
const QString PlayfulFamily = QStringLiteral("Comic Neue");

QFont MakeFont(const QString& family, qreal pixelSize, int weight)
{
    QFont font(family);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Weight(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return font;
}

QPainterPath CentredTextPath(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    return path;
}
} // namespace

void RequireFonts()
{
    const QStringList families = QFontDatabase::families();
    for (const QString& family : {GlyphFamily, LatinFamily, PlayfulFamily}) {
        if (!families.contains(family))
            throw std::runtime_error("font family not installed: " + family.toStdString());
    }
}

QFont GlyphFont(qreal pixelSize) { return MakeFont(GlyphFamily, pixelSize, QFont::Normal); }

QFont LatinFont(qreal pixelSize, bool bold)
{
    return MakeFont(LatinFamily, pixelSize, bold ? QFont::Bold : QFont::Normal);
}

QFont PlayfulFont(qreal pixelSize) { return MakeFont(PlayfulFamily, pixelSize, QFont::Bold); }

QImage NewPicture(int width, int height, int scale)
{
    QImage picture(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    return picture;
}

void BeginPainting(QPainter& painter, QImage& picture)
{
    painter.begin(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

void SavePicture(const QImage& picture, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage plain = picture.convertToFormat(QImage::Format_ARGB32);
    for (const QString& key : plain.textKeys())
        plain.setText(key, QString());
    // A fixed resolution keeps the pHYs chunk identical on every machine.
    plain.setDotsPerMeterX(3780);
    plain.setDotsPerMeterY(3780);
    QImageWriter writer(path, "png");
    writer.setCompression(100);  // 0..100, highest zlib level
    if (!writer.write(plain))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
}

void DrawGlyph(QPainter& painter, const QString& text, const QFont& font, QPointF centre,
               const QColor& colour, qreal embolden)
{
    const QPainterPath path = CentredTextPath(text, font, centre);
    painter.save();
    if (embolden > 0)
        painter.setPen(QPen(colour, embolden, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

void DrawOutlinedText(QPainter& painter, const QString& text, const QFont& font, QPointF centre,
                      const QBrush& fill, const QColor& outline, qreal outlineWidth)
{
    const QPainterPath path = CentredTextPath(text, font, centre);
    painter.save();
    painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

std::uint32_t NoiseSource::Next()
{
    // xorshift32: tiny and identical everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

int NoiseSource::Jitter(int amplitude)
{
    return static_cast<int>(Next() % static_cast<std::uint32_t>(2 * amplitude + 1)) - amplitude;
}

double NoiseSource::Unit() { return (Next() >> 8) / double(1u << 24); }

} // namespace tessaron::art
