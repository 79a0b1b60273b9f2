// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintwatch.h"

#include "paired.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

PaintWatch::PaintWatch(QWidget *widget)
    : m_widget(widget)
{
    widget->installEventFilter(this);
}

bool PaintWatch::waitForPaint(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wakeUp; // ends the wait for more events once the time is up
    wakeUp.setSingleShot(true);
    wakeUp.start(timeoutMs);
    while (!m_painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    const bool painted = m_painted;
    m_painted = false;
    return painted;
}

double PaintWatch::secondsUntilPainted(const std::function<void()> &event)
{
    drainEvents();
    reset();
    const double start = now();
    event();
    const bool painted = waitForPaint();
    const double seconds = now() - start;
    return painted ? seconds : -1;
}

bool PaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widget && event->type() == QEvent::Paint)
        m_painted = true;
    return false;
}

void drainEvents()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}
