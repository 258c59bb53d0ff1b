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
    } else if (inPlay && inPlay_ && answer_ && play_.TileFaces() == faces_) {
        known = AnswerAfterMoves(*answer_, present_, play_.Presence());
    }
    CancelSearch();
    hintPending_ = false;  // asked about a position that is gone
    inPlay_ = inPlay;
    present_ = play_.Presence();
    faces_ = play_.TileFaces();
    answer_ = std::move(known);
    undosCounted_ = false;
    answerPatient_ = false;
    Refresh();
}

void BoardSolver::RequestHint()
{
    if (!inPlay_) return;
    hintPending_ = true;
    if (answer_)
        FulfilHint();
    else if (!searching_)
        StartSearch(false);
}

void BoardSolver::SetWarnLost(bool on)
{
    warnLost_ = on;
    if (!on && searching_ && !hintPending_) CancelSearch();
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
    if (searching_) solver_.Cancel();
    searching_ = false;
    countingUndos_ = false;
}

void BoardSolver::Answered(quint64 generation, const PositionAnswer& answer)
{
    if (generation != generation_ || !searching_) return;  // for a position that is gone
    searching_ = false;
    answer_ = answer;
    undosCounted_ = countingUndos_;
    answerPatient_ = searchPatient_;
    Refresh();
}

void BoardSolver::Refresh()
{
    if (!inPlay_) {
        view_.ShowGameLost(false);
        return;
    }
    view_.ShowGameLost(warnLost_ && !deadEnd_ && answer_ && answer_->Verdict == SolverVerdict::Lost);
    if (!answer_) {
        if ((warnLost_ || hintPending_) && !searching_) StartSearch(false);
        return;
    }
    if (hintPending_) FulfilHint();
}

void BoardSolver::FulfilHint()
{
    const PositionAnswer& answer = *answer_;
    if (answer.Verdict == SolverVerdict::Lost && !undosCounted_) {
        if (!searching_) StartSearch(true);
        return;
    }
    // The warning's short search gave up: the player asked, so a longer one follows.
    if (answer.Verdict == SolverVerdict::Undecided && !answerPatient_) {
        answer_.reset();
        if (!searching_) StartSearch(false);
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
    question.KnownLost = countUndos && answer_ && answer_->Verdict == SolverVerdict::Lost;
    question.Patient = hintPending_;
    searching_ = true;
    countingUndos_ = countUndos;
    searchPatient_ = question.Patient;
    // A synchronous solver answers inside this call.
    solver_.Solve(generation_, question);
}

} // namespace tessaron
