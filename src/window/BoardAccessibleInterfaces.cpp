// The accessible interfaces of the board: its tiles as list items named and placed by the
// speech, the board as their pane, and the speech's announcers as notifications.
#include "window/BoardAccessibility.h"

#include "window/TilePicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace tessaron {

namespace {

// The board's notification: a reader speaks it each time it is shown.
class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

class TileAccessible final : public QAccessibleWidget {
public:
    TileAccessible(TilePicture* tile, BoardSpeech* speech)
        : QAccessibleWidget(tile, QAccessible::ListItem), tile_(tile), speech_(speech)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (speech_ && kind == QAccessible::Name) return speech_->TileName(tile_->Tile());
        if (speech_ && kind == QAccessible::Description) return speech_->TilePlace(tile_->Tile());
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!speech_) return state;
        const std::int32_t tile = tile_->Tile();
        state.selectable = true;
        state.focusable = true;
        state.selected = speech_->IsSelected(tile);
        state.focused = speech_->IsFocused(tile);
        // A tile off the board is neither there nor usable.
        state.disabled = state.disabled || speech_->IsLocked(tile) || !speech_->IsPresent(tile);
        state.invisible = state.invisible || !speech_->IsPresent(tile);
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    // Pressing a tile is a click on it: the same selection, sounds and refusals.
    void doAction(const QString& name) override
    {
        if (name == pressAction() && tile_->isVisible()) emit tile_->Clicked(tile_->Tile());
    }

private:
    TilePicture* tile_;
    QPointer<BoardSpeech> speech_;
};

class BoardAccessible final : public QAccessibleWidget {
public:
    BoardAccessible(QWidget* surface, BoardSpeech* speech)
        : QAccessibleWidget(surface, QAccessible::Pane), speech_(speech)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (speech_ && kind == QAccessible::Name) return speech_->BoardName();
        return QAccessibleWidget::text(kind);
    }

    // Only one object has the focus: the ringed tile when there is one, else the board.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (speech_ && state.focused && focusChild() != nullptr) state.focused = false;
        return state;
    }

    // The reader's focus is the tile with the ring.
    QAccessibleInterface* focusChild() const override
    {
        if (speech_)
                for (auto* tile : widget()->findChildren<TilePicture*>(QString(), Qt::FindDirectChildrenOnly))
                if (speech_->IsFocused(tile->Tile())) return QAccessible::queryAccessibleInterface(tile);
        return QAccessibleWidget::focusChild();
    }

private:
    QPointer<BoardSpeech> speech_;
};

BoardSpeech* SpeechOf(QWidget* surface)
{
    return surface ? surface->findChild<BoardSpeech*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object)
{
    if (auto* label = qobject_cast<QLabel*>(object); label && label->objectName() == QLatin1String(AnnouncerObjectName))
        return new NotificationAccessible(label);
    if (auto* tile = qobject_cast<TilePicture*>(object)) {
        BoardSpeech* speech = SpeechOf(tile->parentWidget());
        return speech ? new TileAccessible(tile, speech) : nullptr;
    }
    // Qt asks for each class of the object's hierarchy in turn, most derived first. The
    // surface is answered when its QWidget base is asked for, and told from other widgets
    // by the speech it carries as a child.
    if (className != QLatin1String("QWidget") || !object->isWidgetType()) return nullptr;
    auto* surface = static_cast<QWidget*>(object);
    BoardSpeech* speech = SpeechOf(surface);
    return speech ? new BoardAccessible(surface, speech) : nullptr;
}

} // namespace

void InstallBoardAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&BoardAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tessaron
