#pragma once
// The small window that shows the four steps of building a deal, each with its counter,
// and a Cancel button that ends the whole program at once.
#include "board/GameCreator.h"
#include "shell/ErrorReport.h"
#include "shell/Locale.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;

namespace tessaron {

class frmGame final : public QWidget, public GameCreateObserver {
    Q_OBJECT
public:
    // owner: the window the progress stands over. endProgram: ends the process without
    // saving anything; it does not return in the game.
    frmGame(const Locale& texts, ErrorReport& errors, QWidget* owner, std::function<void()> endProgram);

    // 0..3 counts a step (the first step 0 shows the window), a negative step finishes:
    // Cancel is disabled and the window closes itself a second later.
    void ShowStep(std::int32_t level) override;

    std::int32_t StepCount(int step) const { return stepCount_.at(std::size_t(step)); }

protected:
    // The build still reports to the window: a close from the window system (close box,
    // Alt+F4) is ignored until the build has finished. Cancel is the way out.
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdCancel_Click();
    void timUnload_Timer();

    ErrorReport& errors_;
    std::function<void()> endProgram_;
    std::array<QLabel*, 4> lblTitle_{};
    std::array<QLabel*, 4> lblCount_{};
    QPushButton* cmdCancel_ = nullptr;
    QTimer timUnload_;
    std::array<std::int32_t, 4> stepCount_{};
    bool building_ = false;
};

} // namespace tessaron
