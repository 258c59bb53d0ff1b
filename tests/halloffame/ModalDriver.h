#pragma once
// Drives a modal dialog from inside its own event loop: the action runs once the dialog
// shows, and a dialog the action left open is rejected, so a failed check never hangs.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace tessaron::testkit {

template <class Dialog>
void WhenShown(std::function<void(Dialog&)> action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
            return;
        }
        action(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

} // namespace tessaron::testkit
