// Draws a contact sheet of layouts: each one's places as tiles, lighter the higher the layer,
// each layer shifted up and right as the board shows it, with its name and key below.
// Usage: tessaron_layout_sheet OUTPUT.png [FILE.layout ...]; without files, the built-in
// layouts as the game carries them.
#include "board/Layout.h"
#include "board/LayoutCatalog.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tessaron;

namespace {

constexpr int Columns = 5;
constexpr int CellWidth = 320;
constexpr int CellHeight = 270;
constexpr int LabelHeight = 34;
constexpr int Margin = 12;

void DrawLayout(QPainter& painter, const Layout& layout, const QRect& cell)
{
    // Half-tile units to pixels, fitted to the cell: a unit is as wide as 36 / 2 board
    // pixels and as high as 52 / 2, so tiles keep the board's proportions.
    const QRect area = cell.adjusted(Margin, Margin, -Margin, -Margin - LabelHeight);
    const double lift = 4.0;  // board pixels per layer
    const double boardWidth = 18.0 * layout.Width() + 4 + lift * layout.LayerCount();
    const double boardHeight = 26.0 * layout.Height() + 4 + lift * layout.LayerCount();
    const double scale = std::min(area.width() / boardWidth, area.height() / boardHeight);
    const double left = area.left() + (area.width() - boardWidth * scale) / 2;
    const double top = area.top() + (area.height() - boardHeight * scale) / 2 + lift * layout.LayerCount() * scale;
    // A smaller position is drawn in front, so the last position is drawn first.
    for (auto place = layout.Places.rbegin(); place != layout.Places.rend(); ++place) {
        const double x = left + (18.0 * place->X + lift * place->Layer) * scale;
        const double y = top + (26.0 * place->Y - lift * place->Layer) * scale;
        const QRectF face(x + 4 * scale, y, 36.0 * scale, 52.0 * scale);
        const int shade = std::min(245, 105 + 40 * place->Layer);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(90, 70, 40));
        painter.drawRect(face.translated(-4 * scale, 4 * scale));  // the 3-D edge
        painter.setBrush(QColor(shade, shade, std::min(255, shade - 30 + 10 * place->Layer)));
        painter.setPen(QPen(QColor(60, 50, 30), 1));
        painter.drawRect(face);
    }
    painter.setPen(Qt::black);
    const QRect label(cell.left(), cell.bottom() - LabelHeight - Margin / 2, cell.width(), LabelHeight);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromStdString(layout.EnglishName + "  (" + layout.Key + ")"));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: tessaron_layout_sheet OUTPUT.png [FILE.layout ...]\n", stderr);
        return 2;
    }
    std::vector<Layout> layouts;
    if (argc == 2) {
        layouts = LayoutCatalog().Layouts();
    } else {
        for (int i = 2; i < argc; ++i) {
            QFile file(QString::fromLocal8Bit(argv[i]));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "%s: cannot be read\n", argv[i]);
                return 1;
            }
            const QByteArray bytes = file.read(qint64(LayoutTextLimit) + 1);
            const LayoutReading reading = ReadLayout(std::string_view(bytes.constData(), bytes.size()), argv[i]);
            if (const auto* fault = std::get_if<LayoutFault>(&reading)) {
                std::fprintf(stderr, "%s\n", LayoutFaultText(*fault, 1024).c_str());
                return 1;
            }
            layouts.push_back(std::get<Layout>(reading));
        }
    }
    const int rows = (int(layouts.size()) + Columns - 1) / Columns;
    QImage sheet(Columns * CellWidth, rows * CellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(236, 232, 220));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(15);
    painter.setFont(font);
    for (int i = 0; i < int(layouts.size()); ++i)
        DrawLayout(painter, layouts[i], QRect((i % Columns) * CellWidth, (i / Columns) * CellHeight, CellWidth, CellHeight));
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
