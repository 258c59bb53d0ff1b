#include "board/HintSearch.h"

namespace tessaron {

PositionQuestion QuestionAbout(const Play& play)
{
    PositionQuestion question;
    question.Faces = play.TileFaces();
    question.Present = play.Presence();
    question.RemovedTiles = play.RemovedTiles();
    question.RemovedCount = play.RemovedCount();
    question.Shuffles = play.ShuffleSteps();
    question.DealtFaces = play.DealtFaces();
    return question;
}

std::optional<EarlierPosition> PositionAfterUndos(const PositionQuestion& question, std::int32_t undos)
{
    EarlierPosition position{question.Faces, question.Present};
    std::int32_t removed = question.RemovedCount;
    std::size_t shuffles = question.Shuffles.size();
    for (; undos > 0; --undos) {
        if (shuffles > 0 && question.Shuffles[shuffles - 1].RemovedCount == removed) {
            --shuffles;
            position.Faces = shuffles > 0 ? question.Shuffles[shuffles - 1].Faces : question.DealtFaces;
            continue;
        }
        if (removed < 2) return std::nullopt;
        position.Present.at(question.RemovedTiles.at(removed)) = true;
        position.Present.at(question.RemovedTiles.at(removed - 1)) = true;
        removed -= 2;
    }
    return position;
}

PositionAnswer AnswerPosition(const PositionQuestion& question, const PositionSolve& solve)
{
    PositionAnswer answer;
    if (question.KnownLost) {
        answer.Verdict = SolverVerdict::Lost;
    } else {
        SolverAnswer solved = solve(question.Faces, question.Present);
        answer.Verdict = solved.Verdict;
        answer.Moves = std::move(solved.Moves);
    }
    if (answer.Verdict != SolverVerdict::Lost || !question.CountUndos) return answer;

    answer.Earlier = SolverVerdict::Lost;
    for (std::int32_t undos = 1;; ++undos) {
        const std::optional<EarlierPosition> earlier = PositionAfterUndos(question, undos);
        if (!earlier) break;
        const SolverVerdict verdict = solve(earlier->Faces, earlier->Present).Verdict;
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
    return AnswerPosition(question, [&](const TileArray& faces, const TilePresence& present) {
        return SolvePosition(geometry, faces, present, limits);
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
