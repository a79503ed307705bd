#include "tools/bench/firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

FirstFrame::FirstFrame()
{
    m_timer.start();
}

void FirstFrame::watch(QWidget *window)
{
    m_window = window;
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_painted && event->type() == QEvent::Paint && m_window && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == m_window) {
        m_painted = true;
        // A window paints all its widgets and flushes within one event; a
        // zero timer runs only once that event is handled.
        QTimer::singleShot(0, this, [this] {
            m_done = m_timer.nsecsElapsed();
            QCoreApplication::quit();
        });
    }
    return QObject::eventFilter(watched, event);
}
