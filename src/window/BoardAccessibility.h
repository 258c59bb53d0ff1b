#pragma once
// What a screen reader learns of the board: each tile's face in the game's language, its
// place, whether it is selected, locked or focused, and every result a sighted player sees.
// It lives as a child of the board's surface; the accessible interfaces of the surface and
// its tile pictures ask it, so they say what the model says. Results are spoken through a
// notification the board owns: shown again with each new text, without taking the focus.
#include "board/TileTypes.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QLabel;

namespace tessaron {

// The object name of the speech's announcers, which a reader takes as notifications.
inline constexpr const char* AnnouncerObjectName = "BoardAnnouncement";

class BoardGeometry;
class BoardHelpers;
class Locale;
class Play;

// What the board held before an operation, to say what the operation changed.
struct BoardMoment {
    std::int32_t Removed = 0;
    TileArray Faces{};
    std::int32_t Selected1 = 0;
    std::int32_t Selected2 = 0;
};

class BoardSpeech final : public QObject {
    Q_OBJECT
public:
    // focusedTile gives the tile whose focus ring shows, 0 when none.
    // The shown labels of no size through which the results are spoken.
    const std::array<QLabel*, 8>& Announcers() const { return announcers_; }

    BoardSpeech(const Play& play, const BoardGeometry& geometry, const Locale& texts,
                std::function<std::int32_t()> focusedTile, QWidget* surface);

    QString BoardName() const;
    // "Bamboo 3", "Red dragon", "Plum", ...
    QString TileName(std::int32_t tile) const;
    // "Layer 2, column 5, row 3", counted from 1; each row and column of tile places has a
    // number of its own, so a half-row set between two rows is a row of its own.
    QString TilePlace(std::int32_t tile) const;
    bool IsPresent(std::int32_t tile) const;
    bool IsSelected(std::int32_t tile) const;
    bool IsLocked(std::int32_t tile) const;
    bool IsFocused(std::int32_t tile) const;
    // The last thing said ("Pair removed, 142 of 144").
    QString Announcement() const;

    BoardMoment Moment() const;
    // After an operation: says what it did to the pairs on the board, followed by the won
    // or the dead-end text (given when shown), or else what it did to the selection. A new
    // deal says dealText (its origin and tile count).
    void AnnounceChange(const BoardMoment& before, const QString& deadEndText, const QString& dealText);
    // A click or Space on this tile was refused.
    void AnnounceRefused(std::int32_t tile);
    // The hint selected this pair.
    void AnnounceHint(std::int32_t first, std::int32_t second);
    // An arrow found no further free tile.
    void AnnounceBoardEnd();
    // The board was cleared by something that does not announce its moves (the demo).
    void AnnounceGameWon();
    // A pause ended: the faces are back.
    void AnnouncePauseEnded();
    // Speaks text once, without moving the focus; what comes in one turn of the event loop
    // is spoken together, texts said afterOthers last.
    void Say(const QString& text, bool afterOthers = false);
    // The keyboard focus went to this tile picture.
    void FocusMoved(QWidget* tilePicture);
    // Every name is now in the other language.
    void LanguageChanged();
    // What the helpers show is said with the tile count and with a selected tile.
    void SetHelpers(const BoardHelpers* helpers) { helpers_ = helpers; }
    // The board now has the places of another layout: rows and columns are counted afresh.
    void LayoutChanged()
    {
        rowOf_.clear();
        columnOf_.clear();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Text(int number) const;
    QWidget* RingedTile() const;
    // Tells the reader where the focus really is: the chosen menu item or the ringed tile.
    void RestoreReaderFocus();
    void SayPending();

    const Play& play_;
    const BoardGeometry& geometry_;
    const Locale& texts_;
    std::function<std::int32_t()> focusedTile_;
    const BoardHelpers* helpers_ = nullptr;
    QWidget* surface_;
    std::array<QLabel*, 8> announcers_{};
    std::size_t nextAnnouncer_ = 0;
    QString lastSaid_;
    QStringList pending_;
    QStringList trailing_;
    // The row and column numbers of the half-unit places, from 1.
    std::vector<int> rowOf_;
    std::vector<int> columnOf_;
};

// Registers the accessible interfaces of the board and its tiles (once per process).
void InstallBoardAccessibility();

} // namespace tessaron
