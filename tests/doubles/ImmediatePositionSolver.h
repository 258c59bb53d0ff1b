#pragma once
// The real search, run at once on the calling thread: a window test sees the verdict right
// after the operation that asked for it, and can tell that no search was made.
#include "window/PositionSolver.h"

namespace tessaron {

class ImmediatePositionSolver final : public PositionSolver {
public:
    explicit ImmediatePositionSolver(const BoardGeometry& geometry) : geometry_(geometry) {}

    void Solve(quint64 generation, const PositionQuestion& question) override
    {
        ++Searches;
        emit Answered(generation, AnswerPosition(geometry_, question, SolverLimits{}));
    }
    void Cancel() override {}

    int Searches = 0;

private:
    const BoardGeometry& geometry_;
};

} // namespace tessaron
