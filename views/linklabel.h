#pragma once

#include <QLabel>

// A label that shows an address and hands it to the browser on a left
// click; drawn in its hover colour while the pointer is over it.
class LinkLabel final : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &caption, const QString &link, QWidget *parent = nullptr);

    QString link() const { return m_link; }

Q_SIGNALS:
    void activated(const QString &link);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setHovered(bool hovered);

    QString m_link;
};
