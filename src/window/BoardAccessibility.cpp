#include "window/BoardAccessibility.h"

#include "board/BoardGeometry.h"
#include "board/Play.h"
#include "shell/Locale.h"
#include "shell/TextTools.h"
#include "window/TilePicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

namespace tessaron {

namespace {

// Text numbers of the names: the three suits take the count for "^0".
constexpr int BambooText = 800;
constexpr int CircleText = 801;
constexpr int CharacterText = 802;
constexpr int FirstHonourText = 803;  // dragons red, green, white; winds north, east, south, west
constexpr int FirstBonusText = 810;   // flowers bamboo, chrysanthemum, orchid, plum; seasons
constexpr int PlaceText = 820;
constexpr int BoardText = 821;
constexpr int PairRemovedText = 822;
constexpr int PairPutBackText = 823;
constexpr int TileLiftedText = 824;
constexpr int GameWonText = 825;

QString Filled(const QString& pattern, int value)
{
    return QString::fromStdString(
        ReplaceSubString(pattern.toStdString(), "^0", std::to_string(value)));
}

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
        state.disabled = state.disabled || speech_->IsLocked(tile);
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
        if (speech_ && kind == QAccessible::Value) return speech_->Announcement();
        return QAccessibleWidget::text(kind);
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

BoardSpeech::BoardSpeech(const Play& play, const BoardGeometry& geometry, const Locale& texts,
                         std::function<std::int32_t()> focusedTile, QWidget* surface)
    : QObject(surface),
      play_(play),
      geometry_(geometry),
      texts_(texts),
      focusedTile_(std::move(focusedTile)),
      surface_(surface)
{
    setObjectName(QStringLiteral("BoardSpeech"));
}

QString BoardSpeech::Text(int number) const
{
    return QString::fromStdString(texts_.LoadLocaleString(std::int16_t(number)));
}

QString BoardSpeech::BoardName() const { return Text(BoardText); }

QString BoardSpeech::TileName(std::int32_t tile) const
{
    if (tile < 1 || tile > TileCount) return {};
    const std::int32_t face = play_.TileFaces()[tile];
    if (face >= 1 && face <= 9) return Filled(Text(BambooText), face);
    if (face >= 10 && face <= 18) return Filled(Text(CircleText), face - 9);
    if (face >= 19 && face <= 27) return Filled(Text(CharacterText), face - 18);
    if (face >= 28 && face <= LastOrdinaryFace) return Text(FirstHonourText + face - 28);
    if (face >= FirstFlowerFace && face <= FaceCount) return Text(FirstBonusText + face - FirstFlowerFace);
    return {};
}

QString BoardSpeech::TilePlace(std::int32_t tile) const
{
    if (tile < 1 || tile > geometry_.PositionCount()) return {};
    const TileLocation& place = geometry_.Location(tile);
    std::string text = texts_.LoadLocaleString(PlaceText);
    text = ReplaceSubString(text, "^0", std::to_string(place.Layer + 1));
    text = ReplaceSubString(text, "^1", std::to_string(place.X / 2 + 1));
    text = ReplaceSubString(text, "^2", std::to_string(place.Y / 2 + 1));
    return QString::fromStdString(text);
}

bool BoardSpeech::IsSelected(std::int32_t tile) const
{
    return tile != 0 && (tile == play_.SelectedTile1() || tile == play_.SelectedTile2());
}

bool BoardSpeech::IsLocked(std::int32_t tile) const { return play_.IsPresent(tile) && play_.IsLocked(tile); }

bool BoardSpeech::IsFocused(std::int32_t tile) const { return tile != 0 && tile == focusedTile_(); }

void BoardSpeech::AnnounceChange(std::int32_t removedBefore, const TileArray& facesBefore, const QString& deadEndText)
{
    if (play_.TileFaces() != facesBefore) return;
    const std::int32_t removed = play_.RemovedCount();
    const std::int32_t tilesLeft = TileCount - removed;
    QString said;
    if (removed == removedBefore + 2)
        said = Filled(Text(PairRemovedText), tilesLeft);
    else if (removed == removedBefore - 2)
        said = Filled(Text(PairPutBackText), tilesLeft);
    else if (removed == removedBefore + 1)
        said = Text(TileLiftedText);
    if (said.isEmpty()) return;
    if (play_.GameWon()) said += QStringLiteral(". ") + Text(GameWonText);
    if (!deadEndText.isEmpty()) said += QStringLiteral(". ") + deadEndText;
    announcement_ = said;
    QAccessibleValueChangeEvent changed(surface_, said);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(surface_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void BoardSpeech::FocusMoved(QWidget* tilePicture)
{
    QAccessibleEvent focus(tilePicture, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void BoardSpeech::LanguageChanged()
{
    QAccessibleEvent renamed(surface_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    if (const std::int32_t tile = focusedTile_()) {
        for (auto* picture : surface_->findChildren<TilePicture*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (picture->Tile() != tile) continue;
            QAccessibleEvent tileRenamed(picture, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&tileRenamed);
        }
    }
}

void InstallBoardAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&BoardAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tessaron
