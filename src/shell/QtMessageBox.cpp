#include "shell/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace tessaron {

void QtMessageBox::Beep() { QApplication::beep(); }

MessageBoxAnswer QtMessageBox::ShowCriticalOkCancel(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Cancel ? MessageBoxAnswer::Cancel : MessageBoxAnswer::Ok;
}

void QtMessageBox::ShowCriticalOk(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

MessageBoxAnswer QtMessageBox::AskOkCancel(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? MessageBoxAnswer::Ok : MessageBoxAnswer::Cancel;
}

} // namespace tessaron
