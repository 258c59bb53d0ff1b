#include "window/BoardAccessibility.h"

#include "board/BoardGeometry.h"
#include "board/Play.h"
#include "shell/Locale.h"
#include "shell/TextTools.h"
#include "window/BoardHelpers.h"
#include "window/TilePicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <set>

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
constexpr int PauseEndedText = 958;
constexpr int SaidTilePutBackText = 830;
constexpr int SaidRestartedText = 831;
constexpr int SaidSelectedText = 832;
constexpr int SaidDeselectedText = 833;
constexpr int SaidRefusedText = 834;
constexpr int SaidHintText = 835;
constexpr int SaidBoardEndText = 836;

const QString AnnouncerName = QString::fromLatin1(AnnouncerObjectName);

QString Filled(const QString& pattern, const QStringList& values)
{
    std::string text = pattern.toStdString();
    for (qsizetype n = 0; n < values.size(); ++n)
        text = ReplaceSubString(text, "^" + std::to_string(n), values[n].toStdString());
    return QString::fromStdString(text);
}

QString Filled(const QString& pattern, int value) { return Filled(pattern, {QString::number(value)}); }

// Numbers the distinct values from 1 up: value -> its number.
std::vector<int> Ranks(const std::set<int>& values)
{
    std::vector<int> ranks(values.empty() ? 0 : std::size_t(*values.rbegin()) + 1, 0);
    int rank = 0;
    for (int value : values) ranks[std::size_t(value)] = ++rank;
    return ranks;
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
    // Shown, so a reader speaks them, yet of no size: the sighted player sees the board's
    // own labels and banners instead.
    for (QLabel*& announcer : announcers_) {
        announcer = new QLabel(surface);
        announcer->setObjectName(AnnouncerName);
        announcer->setGeometry(0, 0, 0, 0);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->hide();
    }
    surface->installEventFilter(this);
    surface->window()->installEventFilter(this);
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
    if (rowOf_.empty()) {
        std::set<int> rows;
        std::set<int> columns;
        for (std::int32_t position = 1; position <= geometry_.PositionCount(); ++position) {
            rows.insert(geometry_.Location(position).Y);
            columns.insert(geometry_.Location(position).X);
        }
        auto& self = const_cast<BoardSpeech&>(*this);
        self.rowOf_ = Ranks(rows);
        self.columnOf_ = Ranks(columns);
    }
    const TileLocation& place = geometry_.Location(tile);
    return Filled(Text(PlaceText), {QString::number(place.Layer + 1), QString::number(columnOf_.at(place.X)),
                                    QString::number(rowOf_.at(place.Y))});
}

bool BoardSpeech::IsPresent(std::int32_t tile) const { return play_.IsPresent(tile); }

bool BoardSpeech::IsSelected(std::int32_t tile) const
{
    return tile != 0 && (tile == play_.SelectedTile1() || tile == play_.SelectedTile2());
}

bool BoardSpeech::IsLocked(std::int32_t tile) const { return play_.IsPresent(tile) && play_.IsLocked(tile); }

bool BoardSpeech::IsFocused(std::int32_t tile) const { return tile != 0 && tile == focusedTile_(); }

QString BoardSpeech::Announcement() const { return lastSaid_; }

BoardMoment BoardSpeech::Moment() const
{
    return {play_.RemovedCount(), play_.TileFaces(), play_.SelectedTile1(), play_.SelectedTile2()};
}

void BoardSpeech::AnnounceChange(const BoardMoment& before, const QString& deadEndText, const QString& dealText)
{
    if (play_.TileFaces() != before.Faces) {
        if (!dealText.isEmpty()) Say(dealText);
        return;
    }
    const std::int32_t removed = play_.RemovedCount();
    const std::int32_t tilesLeft = TileCount - removed;
    QString said;
    if (removed == before.Removed + 2)
        said = Filled(Text(PairRemovedText), tilesLeft);
    else if (removed == before.Removed - 2)
        said = Filled(Text(PairPutBackText), tilesLeft);
    else if (removed == before.Removed + 1)
        said = Text(TileLiftedText);
    else if (removed == before.Removed - 1)
        said = Filled(Text(SaidTilePutBackText), tilesLeft);
    else if (removed == 0 && before.Removed > 0)
        said = Filled(Text(SaidRestartedText), tilesLeft);
    if (!said.isEmpty()) {
        const QString freePairs = helpers_ ? helpers_->FreePairsText(play_) : QString();
        if (!freePairs.isEmpty()) said += QStringLiteral(", ") + freePairs;
        if (play_.GameWon()) said += QStringLiteral(". ") + Text(GameWonText);
        if (!deadEndText.isEmpty()) said += QStringLiteral(". ") + deadEndText;
        Say(said);
        return;
    }
    // The same pairs: what changed is the selection.
    const std::int32_t now[] = {play_.SelectedTile1(), play_.SelectedTile2()};
    const std::int32_t was[] = {before.Selected1, before.Selected2};
    QStringList parts;
    for (std::int32_t tile : was)
        if (tile != 0 && std::find(std::begin(now), std::end(now), tile) == std::end(now))
            parts << Filled(Text(SaidDeselectedText), {TileName(tile)});
    for (std::int32_t tile : now)
        if (tile != 0 && std::find(std::begin(was), std::end(was), tile) == std::end(was))
            parts << Filled(Text(SaidSelectedText), {TileName(tile)});
    const QString matches = helpers_ ? helpers_->MatchesText(play_) : QString();
    if (!parts.isEmpty() && !matches.isEmpty()) parts << matches;
    if (!parts.isEmpty()) Say(parts.join(QStringLiteral(", ")));
}

void BoardSpeech::AnnounceRefused(std::int32_t tile) { Say(Filled(Text(SaidRefusedText), {TileName(tile)})); }

void BoardSpeech::AnnounceHint(std::int32_t first, std::int32_t second)
{
    Say(Filled(Text(SaidHintText), {TileName(first), TilePlace(first), TileName(second), TilePlace(second)}));
}

void BoardSpeech::AnnounceBoardEnd() { Say(Text(SaidBoardEndText)); }

void BoardSpeech::AnnounceGameWon() { Say(Text(GameWonText)); }

void BoardSpeech::AnnouncePauseEnded() { Say(Text(PauseEndedText)); }

void BoardSpeech::Say(const QString& text, bool afterOthers)
{
    // What one operation gives is spoken as one text: a reader reads the notification's text
    // when it hears of the showing, by which time a second showing would have replaced it.
    if (pending_.isEmpty() && trailing_.isEmpty()) QTimer::singleShot(0, this, &BoardSpeech::SayPending);
    (afterOthers ? trailing_ : pending_) << text;
}

void BoardSpeech::SayPending()
{
    // Sentences joined: "Game won! Demo finished", "Pair removed, 140 of 144. Bad luck".
    QString text;
    for (const QString& part : pending_ + trailing_) {
        const bool ended = text.endsWith('!') || text.endsWith('?') || text.endsWith('.');
        if (!text.isEmpty()) text += ended ? QStringLiteral(" ") : QStringLiteral(". ");
        text += part;
    }
    pending_.clear();
    trailing_.clear();
    if (text.isEmpty()) return;
    // Each showing is one announcement. A reader asks for the text when it comes to the
    // event, so the notifications take turns: a text stays until a few more were said.
    QLabel* announcer = announcers_[nextAnnouncer_];
    nextAnnouncer_ = (nextAnnouncer_ + 1) % announcers_.size();
    announcer->hide();
    announcer->setText(text);
    announcer->show();
    lastSaid_ = text;
}

QWidget* BoardSpeech::RingedTile() const
{
    const std::int32_t tile = focusedTile_();
    if (tile == 0) return nullptr;
    for (auto* picture : surface_->findChildren<TilePicture*>(QString(), Qt::FindDirectChildrenOnly))
        if (picture->Tile() == tile) return picture;
    return nullptr;
}

bool BoardSpeech::eventFilter(QObject* watched, QEvent* event)
{
    // The board takes the focus back after a dialog, and is given it again (Qt then tells the
    // reader of the board) while one menu closes and the next opens. Once Qt has told the
    // reader of the board alone, the reader is told of the menu item chosen or the ringed tile.
    const bool focusBack = (watched == surface_ && (event->type() == QEvent::FocusIn ||
                                                    event->type() == QEvent::FocusAboutToChange)) ||
                           (watched == surface_->window() && event->type() == QEvent::WindowActivate);
    if (focusBack && QAccessible::isActive()) QTimer::singleShot(0, this, &BoardSpeech::RestoreReaderFocus);
    return QObject::eventFilter(watched, event);
}

void BoardSpeech::RestoreReaderFocus()
{
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (QAction* item = menu->activeAction()) {
            QAccessibleEvent focus(menu, QAccessible::Focus);
            focus.setChild(int(menu->actions().indexOf(item)));
            QAccessible::updateAccessibility(&focus);
        }
        return;
    }
    if (QApplication::focusWidget() != surface_) return;
    if (QWidget* tile = RingedTile()) FocusMoved(tile);
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
    if (QWidget* tile = RingedTile()) {
        QAccessibleEvent tileRenamed(tile, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&tileRenamed);
    }
}

} // namespace tessaron
