// Pictures for the repository's docs: a contact sheet of every face and a full board.
#include "ArtKit.h"
#include "Pictures.h"
#include "TileArt.h"

#include "board/BoardGeometry.h"
#include "shell/ErrorReport.h"
#include "shell/MessageBoxService.h"

#include <QFontMetrics>

#include <array>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tessaron::art {

namespace {

const QColor SheetColour(30, 84, 62);

// The tool has no window to report in: a failure ends it with the report's text.
class FailingMessageBox : public MessageBoxService {
public:
    void Beep() override {}
    MessageBoxAnswer ShowCriticalOkCancel(const std::string& title, const std::string& text) override
    {
        throw std::runtime_error(title + ": " + text);
    }
    void ShowCriticalOk(const std::string& title, const std::string& text) override
    {
        throw std::runtime_error(title + ": " + text);
    }
};

// Four of each ordinary face and one of each flower and season, mixed with a fixed seed.
std::vector<int> PreviewFaces()
{
    std::vector<int> faces;
    for (int face = 1; face <= resources::TileFaceCount; ++face)
        for (int copy = 0; copy < (face <= LastOrdinaryFace ? 4 : 1); ++copy)
            faces.push_back(face);
    NoiseSource noise(20240607u);
    for (std::size_t i = faces.size() - 1; i > 0; --i)
        std::swap(faces[i], faces[noise.Next() % (i + 1)]);
    return faces;
}

void DrawHeading(QPainter& painter, int left, int baseline, const QString& text)
{
    painter.setFont(LatinFont(13));
    painter.setPen(QColor(255, 255, 192));
    painter.drawText(left, baseline, text);
}

void DrawButton(QPainter& painter, int left, int top, resources::ButtonIcon icon)
{
    const QRect frame(left, top, 23, 23);
    painter.fillRect(frame, QColor(225, 225, 225));
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(QColor(110, 110, 110));
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
    painter.drawImage(left + 4, top + 4, ButtonIconPicture(icon, resources::ButtonLook::Normal));
}

void DrawLabel(QPainter& painter, const QString& text, const QColor& colour, int anchorX, int top,
               Qt::Alignment alignment)
{
    // The window's labels use a 12-point font, 16 pixels at the usual 96 dpi.
    painter.setFont(PlayfulFont(16));
    const int width = QFontMetrics(painter.font()).horizontalAdvance(text);
    int left = anchorX;
    if (alignment & Qt::AlignHCenter)
        left = anchorX - width / 2;
    else if (alignment & Qt::AlignRight)
        left = anchorX - width;
    painter.setPen(colour);
    painter.drawText(QRect(left, top, width, 23), Qt::AlignLeft | Qt::AlignVCenter, text);
}

} // namespace

QImage ContactSheet()
{
    const int margin = 12;
    const int faces = resources::TileFaceCount;
    const int perRowLarge = 14;
    const int width = 2 * margin + faces * 42;
    const int heading = 24;
    const int smallBlock = heading + 56 + 10;
    const int largeBlock = heading + 3 * 174 + 10;
    QImage sheet(width, 2 * margin + 2 * smallBlock + 2 * largeBlock, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(SheetColour);
    QPainter painter;
    BeginPainting(painter, sheet);
    int top = margin;
    for (TileLook look : {TileLook::Dark, TileLook::Bright}) {
        DrawHeading(painter, margin, top + 16,
                    look == TileLook::Dark ? "Normal look, actual size" : "Selected look, actual size");
        for (int face = 1; face <= faces; ++face)
            painter.drawImage(margin + (face - 1) * 42, top + heading, TilePicture(face, look));
        top += smallBlock;
    }
    for (TileLook look : {TileLook::Dark, TileLook::Bright}) {
        DrawHeading(painter, margin, top + 16, look == TileLook::Dark ? "Normal look, 3x" : "Selected look, 3x");
        for (int face = 1; face <= faces; ++face) {
            // Nearest-neighbour scaling shows the real pixels, three times as large.
            const QImage large =
                TilePicture(face, look).scaled(120, 168, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            const int column = (face - 1) % perRowLarge;
            const int row = (face - 1) / perRowLarge;
            painter.drawImage(margin + column * 126, top + heading + row * 174, large);
        }
        top += largeBlock;
    }
    painter.end();
    return sheet;
}

const BoardGeometry& LayoutGeometry()
{
    static FailingMessageBox messageBox;
    static ErrorReport errors(messageBox, [] {}, [] {});
    static const BoardGeometry geometry = [] {
        BoardGeometry built(errors);
        built.CreateTileRelations(BoardLayout, resources::TileFaceWidth - resources::TileEdge,
                                  resources::TileFaceHeight - resources::TileEdge);
        return built;
    }();
    return geometry;
}

QImage BoardPreview()
{
    const BoardGeometry& geometry = LayoutGeometry();
    QImage board = BackgroundPicture();
    QPainter painter;
    BeginPainting(painter, board);
    const std::vector<int> faces = PreviewFaces();
    // Two tiles shown selected, so both looks can be judged side by side.
    const std::array<int, 2> selected{1, 88};
    // Smaller positions lie in front: draw from the last position to the first.
    for (int position = geometry.PositionCount(); position >= 1; --position) {
        const bool bright = position == selected[0] || position == selected[1];
        const PixelPlace& place = geometry.Place(position);
        painter.drawImage(place.Left, place.Top,
                          TilePicture(faces.at(position - 1), bright ? TileLook::Bright : TileLook::Dark));
    }
    using resources::ButtonIcon;
    DrawButton(painter, 0, 0, ButtonIcon::RedoNextMove);
    DrawButton(painter, 556, 0, ButtonIcon::RemoveTiles);
    DrawButton(painter, 0, 450, ButtonIcon::RemoveTile);
    DrawButton(painter, 556, 450, ButtonIcon::UndoLastMove);
    DrawLabel(painter, "New game (saved)", QColor(255, 224, 192), 270, 1, Qt::AlignHCenter);
    DrawLabel(painter, "1:23", QColor(255, 255, 192), 29, 450, Qt::AlignLeft);
    DrawLabel(painter, "No more moves", QColor(255, 128, 255), 270, 450, Qt::AlignHCenter);
    DrawLabel(painter, "144 tiles", QColor(255, 255, 192), 551, 450, Qt::AlignRight);
    painter.end();
    return board;
}

} // namespace tessaron::art
