#pragma once
// Drives a modal dialog from inside its own event loop: the action runs once a dialog of
// the type shows (waiting for it a while, so a chain of dialogs can be driven), and a
// dialog the action left open is rejected, so a failed check never hangs.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tessaron::testkit {

template <class Dialog>
void WhenShown(std::function<void(Dialog&)> action, int attemptsLeft = 200)
{
    QTimer::singleShot(attemptsLeft == 200 ? 0 : 10, [action, attemptsLeft] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attemptsLeft > 0) {
                WhenShown<Dialog>(action, attemptsLeft - 1);
            } else if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                other->reject();
            }
            return;
        }
        if (!QTest::qWaitForWindowExposed(dialog)) {
            dialog->reject();
            return;
        }
        action(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

} // namespace tessaron::testkit
