#pragma once
// Every control of the board with its place in board units, in one list. Placing the board
// at a new scale walks the list, so a control cannot keep the place and font of an old
// scale; a control the list does not hold is not placed at all (the window tests compare
// the list with the board's children).
#include <QRectF>

#include <vector>

class QWidget;

namespace tessaron {

class BoardLabel;
class BoardScale;

class BoardPlaces {
public:
    explicit BoardPlaces(const BoardScale& scale) : scale_(scale) {}

    // A control that fills this rectangle of board units; a control listed already takes
    // the new rectangle (a layout moves the tiles and the board's corners).
    void Add(QWidget* control, const QRectF& units);
    // A label, which sizes itself to its text at its own anchor and font.
    void Add(BoardLabel* label);
    // Every listed control at the scale's place and size.
    void PlaceAll() const;
    bool Contains(const QWidget* control) const;

private:
    struct Entry {
        QWidget* Control;
        QRectF Units;
        BoardLabel* Label;
    };
    const BoardScale& scale_;
    std::vector<Entry> entries_;
};

} // namespace tessaron
