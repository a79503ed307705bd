#include "views/radiobox.h"

#include "views/accessibility.h"
#include "views/skinelement.h"

#include <QKeyEvent>

RadioBox::RadioBox(const QString &text, int group, QWidget *parent)
    : QRadioButton(text, parent)
    , m_group(group)
{
    accessibility::install();
    setAutoExclusive(false);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    skinelement::set(this, QStringLiteral("radiobox"));
}

void RadioBox::check()
{
    setChecked(true);
    if (m_group != 0 && parentWidget()) {
        for (QObject *child : parentWidget()->children()) {
            auto *other = qobject_cast<RadioBox *>(child);
            if (other && other != this && other->m_group == m_group && other->isChecked())
                other->setChecked(false);
        }
    }
    Q_EMIT selected();
}

void RadioBox::nextCheckState()
{
    if (!isChecked())
        check();
}

void RadioBox::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
}

void RadioBox::keyReleaseEvent(QKeyEvent *event)
{
    event->ignore();
}
