#include "window/BoardWindowPlace.h"

#include "shell/ErrorReport.h"
#include "shell/Registry.h"
#include "window/WindowPlace.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tessaron {

namespace {

double TwipsPerPixel(const QWidget& window)
{
    const int dpi = window.logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

// The size of the window manager's frame around the window.
QSize FrameExtra(const QWidget& window)
{
    const QSize known = window.frameGeometry().size() - window.size();
    if (known.width() > 0 || known.height() > 0) return known;
    // Not known before the window manager has framed the window: a title bar and a border.
    const QStyle* style = window.style();
    const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &window);
    return {2 * border, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window) + 2 * border};
}
} // namespace

void FitToScreen(QWidget& window)
{
    const QScreen* shown = window.screen();
    if (!shown) return;
    // Never larger than the desktop's free area, frame included, so the bottom row and the
    // buttons below it can be reached; the board scales down to the size left.
    const QSize room = shown->availableGeometry().size() - FrameExtra(window);
    const QSize fitted = window.size().boundedTo(room).expandedTo(window.minimumSizeHint());
    if (fitted != window.size()) window.resize(fitted);
}

void KeepOnScreen(QWidget& window)
{
    const QScreen* shown = window.screen();
    if (!shown) return;
    const QRect free = shown->availableGeometry();
    const QRect frame = window.frameGeometry();
    const auto inside = [](int start, int length, int freeStart, int freeLength) {
        return std::max(freeStart, std::min(start, freeStart + freeLength - length));
    };
    const QPoint place(inside(frame.x(), frame.width(), free.x(), free.width()),
                       inside(frame.y(), frame.height(), free.y(), free.height()));
    if (place != frame.topLeft()) window.move(place);
}

void FormLocationLoad(QWidget& window, Registry& settings, ErrorReport& errors)
{
    Guarded(errors, BoardObject, "FormLocationLoad", [&] {
        const QScreen* shown = window.screen();
        if (!shown) return;
        const double twips = TwipsPerPixel(window);
        const QRect desktop = shown->virtualGeometry();
        // The size first, as the place is checked against it. Only a size that fits the
        // screen's free area, frame included, and is not below the board's least is taken.
        const double width = settings.LoadRegistrySingle(BoardSection, "Width", float(window.width() * twips));
        const double height = settings.LoadRegistrySingle(BoardSection, "Height", float(window.height() * twips));
        const QSize room = shown->availableGeometry().size() - FrameExtra(window);
        const QSize smallest = window.minimumSizeHint();
        const auto fits = [](double pixels, int least, int most) { return pixels >= least && pixels <= most; };
        // Checked as numbers first: a damaged value never reaches the conversion to pixels.
        if (fits(width / twips, smallest.width(), room.width()) &&
            fits(height / twips, smallest.height(), room.height())) {
            const QSize stored(int(std::lround(width / twips)), int(std::lround(height / twips)));
            if (stored != window.size()) window.resize(stored);
        }
        // A first start on a small or coarsely scaled screen: the first size may not fit.
        FitToScreen(window);
        // No place stored (a first start): the window system places the window.
        if (settings.LoadRegistryString(BoardSection, "Left", "").empty() &&
            settings.LoadRegistryString(BoardSection, "Top", "").empty())
            return;
        const QRect frame = window.frameGeometry();
        const double left = settings.LoadRegistrySingle(BoardSection, "Left", float(frame.x() * twips));
        if (!EdgeKeepsWindowOnDesktop(left, frame.width() * twips, desktop.x() * twips, desktop.width() * twips))
            return;
        const double top = settings.LoadRegistrySingle(BoardSection, "Top", float(frame.y() * twips));
        if (!EdgeKeepsWindowOnDesktop(top, frame.height() * twips, desktop.y() * twips, desktop.height() * twips))
            return;
        window.move(int(std::lround(left / twips)), int(std::lround(top / twips)));
    });
}

void FormLocationSave(const QWidget& window, Registry& settings, ErrorReport& errors)
{
    Guarded(errors, BoardObject, "FormLocationSave", [&] {
        if (window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
        const double twips = TwipsPerPixel(window);
        const QRect frame = window.frameGeometry();
        settings.SaveRegistrySingle(BoardSection, "Left", float(frame.x() * twips), 0.0f);
        settings.SaveRegistrySingle(BoardSection, "Top", float(frame.y() * twips), 0.0f);
        settings.SaveRegistrySingle(BoardSection, "Width", float(window.width() * twips), 0.0f);
        settings.SaveRegistrySingle(BoardSection, "Height", float(window.height() * twips), 0.0f);
    });
}

} // namespace tessaron
