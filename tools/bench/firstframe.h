#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QWidget;

// Notes when a window's first frame is done: the first paint event that any
// of its widgets gets starts the frame, and the frame is done when the event
// loop is next free, after every widget of it has painted and the frame has
// been flushed. Then it quits the application.
class FirstFrame final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirstFrame)

public:
    // Times from now.
    FirstFrame();

    void watch(QWidget *window);
    qint64 nsecsSinceStart() const { return m_timer.nsecsElapsed(); }
    qint64 nsecsToFrame() const { return m_done; } // -1 until the frame is done

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QElapsedTimer m_timer;
    QPointer<QWidget> m_window;
    bool m_painted = false;
    qint64 m_done = -1;
};
