#pragma once
// Keeps the solver's verdict on the position on the board: after every change a new search
// starts and the old one is cancelled, a lost game is shown while free pairs remain, and a
// hint is answered as soon as the verdict is known. The window never waits for it.
#include "board/HintSearch.h"
#include "window/PositionSolver.h"

#include <QObject>

#include <optional>

namespace tessaron {

class HintView {
public:
    virtual ~HintView() = default;
    // "This game can no longer be won" where the dead-end text appears.
    virtual void ShowGameLost(bool shown) = 0;
    // Selects the pair as the player would.
    virtual void ShowHint(std::int32_t first, std::int32_t second) = 0;
    // No pair to offer: the position is lost (with the undos counted) or undecided.
    virtual void ShowNoHint(const PositionAnswer& answer) = 0;
};

class BoardSolver final : public QObject {
public:
    BoardSolver(const Play& play, PositionSolver& solver, HintView& view);

    // Called after every operation; only a new position starts a new search.
    void PositionMaybeChanged();
    // Answers at once when the verdict is known, otherwise when it comes.
    void RequestHint();
    // Without the warning, positions are searched only for a hint.
    void SetWarnLost(bool on);
    // The word on the position on the board; Undecided until it is known.
    SolverVerdict Verdict() const;
    bool WarnLost() const { return warnLost_; }
    // The hint asked for is no longer wanted; the search for the warning goes on.
    void DropHint() { hintPending_ = false; }
    // The window closes: the running search is cancelled and no answer comes any more for
    // the position or the hint asked about.
    void Stop();

private:
    void Answered(quint64 generation, const PositionAnswer& answer);
    void CancelSearch();
    void Refresh();
    void FulfilHint();
    void StartSearch(bool countUndos);

    const Play& play_;
    PositionSolver& solver_;
    HintView& view_;
    bool warnLost_ = true;

    // The search in flight, if any.
    struct Search {
        bool Running = false;
        bool CountingUndos = false;  // asked to count the undos back to a winnable position
        bool Patient = false;        // the player waits for it: the longer budget
    };
    // What is known about the position last seen.
    struct Answer {
        std::optional<PositionAnswer> Known;
        bool UndosCounted = false;  // Known came from a search that counted the undos back
        bool Patient = false;       // Known came from a search the player waited for
    };

    // The position last seen.
    quint64 generation_ = 0;
    bool inPlay_ = false;   // a deal in normal play that is not won
    bool deadEnd_ = false;  // in play, but no pair can be taken
    TilePresence present_{};
    TileArray faces_{};
    Search search_;
    Answer answer_;
    bool hintPending_ = false;
};

} // namespace tessaron
