#include "window/BoardSolver.h"

namespace tessaron {

BoardSolver::BoardSolver(const Play& play, PositionSolver& solver, HintView& view)
    : play_(play), solver_(solver), view_(view)
{
    connect(&solver_, &PositionSolver::Answered, this, &BoardSolver::Answered);
}

void BoardSolver::PositionMaybeChanged()
{
    // Peek mode, a won board or a deal being built have no position to solve for.
    const bool inPlay = play_.AvailableCommands().Hint;
    if (inPlay == inPlay_ && play_.Presence() == present_ && play_.TileFaces() == faces_) return;

    std::optional<PositionAnswer> known;
    // A dead end is lost without a search, and has its own text instead of the warning; a
    // hint still counts the undos back.
    deadEnd_ = inPlay && play_.NoMovePossible();
    if (deadEnd_) {
        known.emplace();
        known->Verdict = SolverVerdict::Lost;
    } else if (inPlay && inPlay_ && answer_.Known && play_.TileFaces() == faces_) {
        known = AnswerAfterMoves(*answer_.Known, present_, play_.Presence());
    }
    CancelSearch();
    hintPending_ = false;  // asked about a position that is gone
    inPlay_ = inPlay;
    present_ = play_.Presence();
    faces_ = play_.TileFaces();
    answer_ = Answer{std::move(known), false, false};
    Refresh();
}

SolverVerdict BoardSolver::Verdict() const
{
    const bool current = inPlay_ && play_.Presence() == present_ && play_.TileFaces() == faces_;
    return current && answer_.Known ? answer_.Known->Verdict : SolverVerdict::Undecided;
}

void BoardSolver::RequestHint()
{
    if (!inPlay_) return;
    hintPending_ = true;
    if (answer_.Known)
        FulfilHint();
    else if (!search_.Running)
        StartSearch(false);
}

void BoardSolver::SetWarnLost(bool on)
{
    warnLost_ = on;
    if (!on && search_.Running && !hintPending_) CancelSearch();
    Refresh();
}

void BoardSolver::Stop()
{
    hintPending_ = false;
    CancelSearch();
}

void BoardSolver::CancelSearch()
{
    ++generation_;  // an answer already on its way is dropped
    if (search_.Running) solver_.Cancel();
    search_ = Search{};
}

void BoardSolver::Answered(quint64 generation, const PositionAnswer& answer)
{
    if (generation != generation_ || !search_.Running) return;  // for a position that is gone
    answer_ = Answer{answer, search_.CountingUndos, search_.Patient};
    search_ = Search{};
    Refresh();
}

void BoardSolver::Refresh()
{
    if (!inPlay_) {
        view_.ShowGameLost(false);
        return;
    }
    view_.ShowGameLost(warnLost_ && !deadEnd_ && answer_.Known && answer_.Known->Verdict == SolverVerdict::Lost);
    if (!answer_.Known) {
        if ((warnLost_ || hintPending_) && !search_.Running) StartSearch(false);
        return;
    }
    if (hintPending_) FulfilHint();
}

void BoardSolver::FulfilHint()
{
    const PositionAnswer& answer = *answer_.Known;
    if (answer.Verdict == SolverVerdict::Lost && !answer_.UndosCounted) {
        if (!search_.Running) StartSearch(true);
        return;
    }
    // The warning's short search gave up: the player asked, so a longer one follows.
    if (answer.Verdict == SolverVerdict::Undecided && !answer_.Patient) {
        answer_ = Answer{};
        if (!search_.Running) StartSearch(false);
        return;
    }
    hintPending_ = false;
    if (answer.Verdict == SolverVerdict::Winnable && !answer.Moves.empty())
        view_.ShowHint(answer.Moves.front().First, answer.Moves.front().Second);
    else
        view_.ShowNoHint(answer);
}

void BoardSolver::StartSearch(bool countUndos)
{
    PositionQuestion question = QuestionAbout(play_);
    question.CountUndos = countUndos;
    question.KnownLost = countUndos && answer_.Known && answer_.Known->Verdict == SolverVerdict::Lost;
    question.Patient = hintPending_;
    search_ = Search{true, countUndos, question.Patient};
    // A synchronous solver answers inside this call.
    solver_.Solve(generation_, question);
}

} // namespace tessaron
