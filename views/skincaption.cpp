#include "views/skincaption.h"

#include "views/skinelement.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

QToolButton *captionButton(QWidget *parent, const QString &name, const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

} // namespace

SkinCaption::SkinCaption(QWidget *window)
    : QWidget(window)
    , m_window(window)
    , m_icon(new QLabel(this))
    , m_title(new QLabel(this))
    , m_minimize(captionButton(this, u"skinMinimizeButton"_s, u"Minimize"_s))
    , m_close(captionButton(this, u"skinCloseButton"_s, u"Close"_s))
    , m_systemMenu(new QMenu(this))
{
    setObjectName(u"spDynamicSkinForm1"_s);
    setAttribute(Qt::WA_StyledBackground);
    // The window's own background and border come from the skin as well.
    skinelement::set(window, u"form"_s);
    window->setAttribute(Qt::WA_StyledBackground);

    m_icon->setObjectName(u"skinCaptionIcon"_s);
    m_icon->setFixedSize(16, 16);
    m_icon->installEventFilter(this);
    m_title->setObjectName(u"skinCaptionTitle"_s);
    m_title->setText(window->windowTitle());
    m_title->setTextFormat(Qt::PlainText);
    updateIcon();

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 0, 5, 1);
    row->setSpacing(5);
    row->addWidget(m_icon);
    row->addWidget(m_title, 1);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(m_minimize);
    buttons->addWidget(m_close);
    row->addLayout(buttons);

    QAction *minimize = m_systemMenu->addAction(u"Minimize"_s);
    m_systemMenu->addSeparator();
    m_closeAction = m_systemMenu->addAction(u"Close"_s);
    m_closeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    // Where the window manager leaves Alt+F4 to the window, it still works.
    m_closeAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_closeAction);
    QFont bold = m_systemMenu->font();
    bold.setBold(true);
    m_closeAction->setFont(bold);

    connect(minimize, &QAction::triggered, window, &QWidget::showMinimized);
    connect(m_closeAction, &QAction::triggered, window, &QWidget::close);
    connect(m_minimize, &QToolButton::clicked, window, &QWidget::showMinimized);
    connect(m_close, &QToolButton::clicked, window, &QWidget::close);
    connect(window, &QWidget::windowTitleChanged, m_title, &QLabel::setText);
    connect(window, &QWidget::windowIconChanged, this, &SkinCaption::updateIcon);

    window->installEventFilter(this);
    setGeometry(0, 0, window->width(), SkinCaption::height());
}

void SkinCaption::showSystemMenu(QPoint globalPos)
{
    m_systemMenu->popup(globalPos);
}

void SkinCaption::updateIcon()
{
    m_icon->setPixmap(m_window->windowIcon().pixmap(QSize(16, 16), devicePixelRatio()));
}

bool SkinCaption::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize) {
        setGeometry(0, 0, m_window->width(), SkinCaption::height());
    } else if (watched == m_icon && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            showSystemMenu(m_icon->mapToGlobal(QPoint(0, m_icon->height() + 4)));
            return true;
        }
    } else if (watched == m_icon && event->type() == QEvent::MouseButtonDblClick) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SkinCaption::changeEvent(QEvent *event)
{
    // The skin draws an inactive caption in paler colours.
    if (event->type() == QEvent::ActivationChange) {
        update();
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->update();
    }
    QWidget::changeEvent(event);
}

void SkinCaption::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        showSystemMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    QWindow *handle = m_window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_dragOffset = m_window->pos() - event->globalPosition().toPoint();
    m_dragging = true;
}

void SkinCaption::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        m_window->move(event->globalPosition().toPoint() + m_dragOffset);
}

void SkinCaption::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void SkinCaption::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A fixed-size window: a double click doesn't maximise.
    event->accept();
}
