#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

// The caption bar and frame that the skin draws for a frameless top-level
// window of fixed size: the window's icon (a click opens the system menu),
// its title, and minimise and close buttons. Dragging the caption moves the
// window; there is no maximising and no resizing.
//
// The window keeps its client area at clientRect(); the caption lays itself
// over the top edge and the skin draws a thin border around the rest.
class SkinCaption final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkinCaption)

public:
    explicit SkinCaption(QWidget *window);

    // Height of the caption bar (this widget's own height, too) and width of
    // the border on the other three sides.
    static constexpr int height() { return 26; }
    static constexpr int border() { return 3; }
    // Size of a window whose client area is client, and where that area sits.
    static constexpr QSize windowSize(QSize client)
    {
        return {client.width() + 2 * border(), client.height() + height() + border()};
    }
    static constexpr QRect clientRect(QSize client)
    {
        return {QPoint(border(), height()), client};
    }

    QMenu *systemMenu() const { return m_systemMenu; }

    // Opens the system menu with its top left corner at a global position.
    void showSystemMenu(QPoint globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void updateIcon();

    QWidget *m_window;
    QLabel *m_icon;
    QLabel *m_title;
    QToolButton *m_minimize;
    QToolButton *m_close;
    QMenu *m_systemMenu;
    QAction *m_closeAction;
    // Where the window's corner sits from the pointer while we move it
    // ourselves; only when the platform won't move it.
    QPoint m_dragOffset;
    bool m_dragging = false;
};
