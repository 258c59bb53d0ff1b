#include "shell/frmGame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace tessaron {

frmGame::frmGame(const Locale& texts, ErrorReport& errors, QWidget* owner, std::function<void()> endProgram)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      errors_(errors),
      endProgram_(std::move(endProgram))
{
    setObjectName(QStringLiteral("frmGame"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The board keeps the keyboard; Cancel is a click away.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QGridLayout(this);
    layout->setColumnMinimumWidth(1, 48);
    // A counter has a fixed size, so a new count repaints only its label instead of laying
    // out the whole window again at every step of a build.
    const QSize countSize(std::max(48, fontMetrics().horizontalAdvance(QStringLiteral("000000"))),
                          fontMetrics().height());
    for (int step = 0; step < 4; ++step) {
        lblTitle_[step] = new QLabel(QString::fromStdString(texts.LoadLocaleString(std::int16_t(270 + step))), this);
        lblTitle_[step]->setObjectName(QStringLiteral("lblTitle_%1").arg(step));
        lblCount_[step] = new QLabel(this);
        lblCount_[step]->setObjectName(QStringLiteral("lblCount_%1").arg(step));
        // Named once, so the hundreds of counts a build shows raise no name changes; the
        // board announces the finished deal.
        lblCount_[step]->setAccessibleName(lblTitle_[step]->text());
        lblCount_[step]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblCount_[step]->setFixedSize(countSize);
        layout->addWidget(lblTitle_[step], step, 0);
        layout->addWidget(lblCount_[step], step, 1);
    }
    cmdCancel_ = new QPushButton(QString::fromStdString(texts.LoadLocaleString(260)), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    // Enter on the focused button presses it, as in a dialog.
    cmdCancel_->setAutoDefault(true);
    layout->addWidget(cmdCancel_, 4, 0, 1, 2, Qt::AlignHCenter);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmGame::cmdCancel_Click);

    timUnload_.setInterval(1000);
    timUnload_.setSingleShot(true);
    connect(&timUnload_, &QTimer::timeout, this, &frmGame::timUnload_Timer);
}

void frmGame::ShowStep(std::int32_t level)
{
    Guarded(errors_, "frmGame", "ShowStep", [&] {
        if (level < 0) {
            stepCount_[0] = 0;
            building_ = false;
            cmdCancel_->setEnabled(false);
            timUnload_.start();
            return;
        }
        if (level == 0 && stepCount_[0] == 0) {
            building_ = true;
            show();
            timUnload_.stop();
            cmdCancel_->setEnabled(true);
        }
        // Reporting a step starts the counts of all later steps afresh.
        for (std::int32_t step = 3; step > level; --step) {
            if (stepCount_[std::size_t(step)] != 0) {
                stepCount_[std::size_t(step)] = 0;
                lblCount_[std::size_t(step)]->clear();
            }
        }
        ++stepCount_.at(std::size_t(level));
        lblCount_[std::size_t(level)]->setText(QString::number(stepCount_[std::size_t(level)]));
        // The one point at which Cancel (or a repaint) can act during a build.
        QCoreApplication::processEvents();
    });
}

void frmGame::closeEvent(QCloseEvent* event)
{
    if (building_)
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void frmGame::cmdCancel_Click() { endProgram_(); }

void frmGame::timUnload_Timer() { close(); }

} // namespace tessaron
