#include "shell/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <algorithm>

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

int QtMessageBox::AskChoice(const std::string& title, const std::string& text, const std::vector<std::string>& buttons)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Cancel, QApplication::activeWindow());
    std::vector<QAbstractButton*> answers;
    for (const std::string& button : buttons)
        answers.push_back(box.addButton(QString::fromStdString(button), QMessageBox::AcceptRole));
    if (!answers.empty()) box.setDefaultButton(qobject_cast<QPushButton*>(answers.front()));
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const auto chosen = std::find(answers.begin(), answers.end(), box.clickedButton());
    return chosen == answers.end() ? -1 : int(chosen - answers.begin());
}

} // namespace tessaron
