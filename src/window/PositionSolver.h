#pragma once
// Solving a position for the board. The answer comes back as the Answered signal, tagged
// with the generation it was asked for and emitted on the thread this object lives in (the
// user-interface thread): the threaded solver queues it there from its worker, an
// implementation without a worker may emit it inside Solve.
#include "board/HintSearch.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <chrono>
#include <memory>

namespace tessaron {

class PositionSolver : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts a search; one still running is cancelled and its answer never comes.
    virtual void Solve(quint64 generation, const PositionQuestion& question) = 0;
    // Cancels the running search; its answer never comes.
    virtual void Cancel() = 0;

signals:
    void Answered(quint64 generation, const tessaron::PositionAnswer& answer);
};

// One worker thread that searches a copy of its question and of the geometry it was asked
// on: choosing another layout changes the board's geometry while a search may still run.
class ThreadedPositionSolver final : public PositionSolver {
    Q_OBJECT
public:
    // budget for each position searched; patientBudget when the player waits for the answer.
    ThreadedPositionSolver(const BoardGeometry& geometry, std::chrono::steady_clock::duration budget,
                           std::chrono::steady_clock::duration patientBudget);
    // Cancels and waits for the worker.
    ~ThreadedPositionSolver() override;

    void Solve(quint64 generation, const PositionQuestion& question) override;
    void Cancel() override;

private:
    const BoardGeometry& geometry_;
    const std::chrono::steady_clock::duration budget_;
    const std::chrono::steady_clock::duration patientBudget_;
    QThreadPool pool_;
    std::shared_ptr<std::atomic<bool>> cancel_;
};

} // namespace tessaron
