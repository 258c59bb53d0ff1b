#include "board/HintSearch.h"

namespace tessaron {

PositionQuestion QuestionAbout(const Play& play)
{
    PositionQuestion question;
    question.Faces = play.TileFaces();
    question.Present = play.Presence();
    question.RemovedTiles = play.RemovedTiles();
    question.RemovedCount = play.RemovedCount();
    return question;
}

TilePresence PresenceAfterUndos(const PositionQuestion& question, std::int32_t undos)
{
    TilePresence present = question.Present;
    const std::int32_t last = question.RemovedCount;
    for (std::int32_t k = last; k > last - 2 * undos && k >= 1; --k) present.at(question.RemovedTiles.at(k)) = true;
    return present;
}

PositionAnswer AnswerPosition(const PositionQuestion& question, const PositionSolve& solve)
{
    PositionAnswer answer;
    if (question.KnownLost) {
        answer.Verdict = SolverVerdict::Lost;
    } else {
        SolverAnswer solved = solve(question.Present);
        answer.Verdict = solved.Verdict;
        answer.Moves = std::move(solved.Moves);
    }
    if (answer.Verdict != SolverVerdict::Lost || !question.CountUndos) return answer;

    answer.Earlier = SolverVerdict::Lost;
    for (std::int32_t undos = 1; 2 * undos <= question.RemovedCount; ++undos) {
        const SolverVerdict verdict = solve(PresenceAfterUndos(question, undos)).Verdict;
        if (verdict == SolverVerdict::Lost) continue;
        answer.Earlier = verdict;
        if (verdict == SolverVerdict::Winnable) answer.UndosToWinnable = undos;
        break;
    }
    return answer;
}

PositionAnswer AnswerPosition(const BoardGeometry& geometry, const PositionQuestion& question,
                              const SolverLimits& limits)
{
    return AnswerPosition(question, [&](const TilePresence& present) {
        return SolvePosition(geometry, question.Faces, present, limits);
    });
}

std::optional<PositionAnswer> AnswerAfterMoves(const PositionAnswer& earlier, const TilePresence& before,
                                               const TilePresence& after)
{
    std::vector<std::int32_t> taken;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        if (after[tile] && !before[tile]) return std::nullopt;
        if (before[tile] && !after[tile]) taken.push_back(tile);
    }
    // Moves take tiles in pairs; an odd count means a peek lifted one.
    if (taken.empty() || taken.size() % 2 != 0) return std::nullopt;
    if (earlier.Verdict == SolverVerdict::Lost) {
        PositionAnswer lost;
        lost.Verdict = SolverVerdict::Lost;
        return lost;
    }
    if (earlier.Verdict != SolverVerdict::Winnable || earlier.Moves.empty() || taken.size() != 2) return std::nullopt;
    const SolverMove& first = earlier.Moves.front();
    const bool pairTaken = (first.First == taken[0] && first.Second == taken[1]) ||
                           (first.First == taken[1] && first.Second == taken[0]);
    if (!pairTaken) return std::nullopt;
    PositionAnswer rest;
    rest.Verdict = SolverVerdict::Winnable;
    rest.Moves.assign(earlier.Moves.begin() + 1, earlier.Moves.end());
    return rest;
}

} // namespace tessaron
