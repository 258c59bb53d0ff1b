#include "window/PositionSolver.h"

#include <memory>

namespace tessaron {

ThreadedPositionSolver::ThreadedPositionSolver(const BoardGeometry& geometry,
                                               std::chrono::steady_clock::duration budget,
                                               std::chrono::steady_clock::duration patientBudget)
    : geometry_(geometry), budget_(budget), patientBudget_(patientBudget)
{
    pool_.setMaxThreadCount(1);
}

ThreadedPositionSolver::~ThreadedPositionSolver()
{
    Cancel();
    pool_.waitForDone();
}

void ThreadedPositionSolver::Solve(quint64 generation, const PositionQuestion& question)
{
    Cancel();
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancel_ = cancel;
    pool_.start([this, generation, question, cancel, geometry = std::make_shared<const BoardGeometry>(geometry_)] {
        if (cancel->load()) return;
        SolverLimits limits;
        limits.Budget = question.Patient ? patientBudget_ : budget_;
        limits.Cancel = cancel.get();
        PositionAnswer answer = AnswerPosition(*geometry, question, limits);
        if (cancel->load()) return;
        // Queued to this object's thread; the destructor waits for the worker, and Qt drops
        // events posted to an object that is gone.
        QMetaObject::invokeMethod(
            this,
            [this, generation, cancel, answer = std::move(answer)] {
                if (!cancel->load()) emit Answered(generation, answer);
            },
            Qt::QueuedConnection);
    });
}

void ThreadedPositionSolver::Cancel()
{
    if (cancel_) cancel_->store(true);
    pool_.clear();
}

} // namespace tessaron
