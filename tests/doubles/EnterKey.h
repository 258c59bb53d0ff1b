#pragma once
// Enter as a player gives it: Tab walks the focus to a control, Enter is pressed there.
// Gives the names of the buttons that acted, so a test sees which one answered.
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace tessaron {

inline QStringList ButtonsPressedByEnterOn(QWidget& window, QWidget* target, Qt::Key key = Qt::Key_Return)
{
    QStringList pressed;
    QList<QMetaObject::Connection> spies;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        spies << QObject::connect(button, &QPushButton::clicked, [&pressed, button] { pressed << button->objectName(); });
    // Once around the tab chain is enough; a control it never reaches is a failure.
    for (int tabs = 0; tabs < 100 && window.focusWidget() != target; ++tabs)
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_Tab);
    if (window.focusWidget() == target)
        QTest::keyClick(target, key);
    else
        pressed << QStringLiteral("(not reached by Tab)");
    for (const auto& spy : spies) QObject::disconnect(spy);
    return pressed;
}

} // namespace tessaron
