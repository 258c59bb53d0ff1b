#pragma once
// What a screen reader learns of the board: each tile's face in the game's language, its
// place, whether it is selected, locked or focused, and what a move did. It lives as a
// child of the board's surface; the accessible interfaces of the surface and its tile
// pictures ask it, so they say what the model says.
#include "board/TileTypes.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

namespace tessaron {

class BoardGeometry;
class Locale;
class Play;

class BoardSpeech final : public QObject {
    Q_OBJECT
public:
    // focusedTile gives the tile whose focus ring shows, 0 when none.
    BoardSpeech(const Play& play, const BoardGeometry& geometry, const Locale& texts,
                std::function<std::int32_t()> focusedTile, QWidget* surface);

    QString BoardName() const;
    // "Bamboo 3", "Red dragon", "Plum", ...
    QString TileName(std::int32_t tile) const;
    // "Layer 2, column 5, row 3", counted from 1.
    QString TilePlace(std::int32_t tile) const;
    bool IsSelected(std::int32_t tile) const;
    bool IsLocked(std::int32_t tile) const;
    bool IsFocused(std::int32_t tile) const;
    // The last thing said about a move ("Pair removed, 142 of 144"); the board's value.
    const QString& Announcement() const { return announcement_; }

    // After an operation: says what it did to the pairs on the board, followed by the won
    // or the dead-end text (given when shown). A new deal says nothing here: the origin
    // label changes instead.
    void AnnounceChange(std::int32_t removedBefore, const TileArray& facesBefore, const QString& deadEndText);
    // The keyboard focus went to this tile picture.
    void FocusMoved(QWidget* tilePicture);
    // Every name is now in the other language.
    void LanguageChanged();

private:
    QString Text(int number) const;

    const Play& play_;
    const BoardGeometry& geometry_;
    const Locale& texts_;
    std::function<std::int32_t()> focusedTile_;
    QWidget* surface_;
    QString announcement_;
};

// Registers the accessible interfaces of the board and its tiles (once per process).
void InstallBoardAccessibility();

} // namespace tessaron
