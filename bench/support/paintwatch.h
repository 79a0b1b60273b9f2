// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Watches one widget for paint events, so a measurement can end when the
// widget has been painted. It is not the widget's child, so it may live on
// the stack beside it.
class PaintWatch : public QObject
{
    Q_OBJECT

public:
    explicit PaintWatch(QWidget *widget);

    // Runs the event loop until the widget has been painted since the last
    // call, or the time-out passes. The loop returns only after the event that
    // painted the widget is done, so the whole window pass is included.
    bool waitForPaint(int timeoutMs = 10000);

    // Seconds from the start of event to the end of the widget's next paint,
    // with the events already waiting delivered first; -1 when the widget was
    // not painted.
    double secondsUntilPainted(const std::function<void()> &event);

    bool painted() const { return m_painted; }
    // Forgets paints seen so far.
    void reset() { m_painted = false; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_widget;
    bool m_painted = false;
};

// Delivers the events that are already waiting, without waiting for more.
void drainEvents();
